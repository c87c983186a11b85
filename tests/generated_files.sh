#!/bin/sh
# generated_files.sh - Fails when a generator of tools/ would now write something other than the
# file that the repository holds: the code page 932 tables, the case tables, the texts of the
# message catalogue and the window's icon. Skipped (77) without python3; the case tables are
# compared only where Python carries the Unicode version they were made from.
#
#   sh tests/generated_files.sh [SOURCE_DIR]
root=${1:-$(dirname "$0")/..}
command -v python3 >/dev/null 2>&1 || { echo "python3 is not installed"; exit 77; }
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
status=0
check() {  # GENERATOR FILE
  if ! python3 "$root/tools/$1" "$work/out" >"$work/log" 2>&1; then
    echo "tools/$1 failed:"; cat "$work/log"; status=1; return
  fi
  if cmp -s "$work/out" "$root/$2"; then
    echo "ok   tools/$1 writes $2 as it stands"
  else
    echo "FAIL tools/$1 writes another $2 than the one in the repository"; status=1
  fi
}
check gen_cp932_tables.py src/common/cp932_tables.inc
unicode=$(python3 -c 'import unicodedata; print(unicodedata.unidata_version)')
if grep -q "Unicode $unicode character" "$root/src/text/case_tables.inc"; then
  check gen_case_tables.py src/text/case_tables.inc
else
  echo "skip tools/gen_case_tables.py: Python carries Unicode $unicode, not the tables' version"
fi
check gen_catalogue.py src/messages/catalogue_texts.inc
check make_icon.py src/app/win32/gdfconv-gui.ico
exit "$status"
