#!/usr/bin/env bash
# same_output_test.sh LINUX_GDFCONV WINDOWS_GDFCONV_EXE WINE_RUN SOURCE_DIR
#
# The Linux program and the Windows program (under wine) convert the same cases, each on its own
# copy of the inputs, under the same drive texts (D: stands for each side's folder): every file
# they write, in the target folder, the pattern-data folder and the program folder, must be the
# same byte for byte. Skipped (77) when the Windows program is not built.
set -euo pipefail
linux=$1 windows=$2 wine_run=$3 source_dir=$4
if [ ! -f "$windows" ]; then
  echo "the Windows program is not built ($windows): nothing to compare"
  exit 77
fi
work=$(mktemp -d /tmp/gdfconv-same-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

# Each case: a name, then how its inputs are laid out in a side's folder by prepare_NAME, then the
# convert arguments (drive texts only).
prepare_common() {  # DIR: the pattern data, the program folder and the examples
  mkdir -p "$1/program" "$1/src"
  cp -r "$source_dir/data/pattern" "$1/pattern"
  cp "$source_dir"/data/examples/*.gdf "$1/src/"
}
prepare_b1() { prepare_common "$1"; }
prepare_b2() { prepare_common "$1"; }
prepare_japanese() { prepare_common "$1"; mkdir -p "$1/現場１"; cp "$1/src/B-1.gdf" "$1/現場１/柱状図Ｂ.gdf"; }
prepare_raw_bytes() {
  # A 0x1A byte inside a value and no CR LF after the last line: bytes, not text mode.
  prepare_common "$1"
  { cat "$1/src/B-2.gdf"; printf 'NOTE\032X'; } > "$1/src/raw.gdf"
}
prepare_old_files() {
  # Record files already there, one in another case and with lines of its own: replaced.
  prepare_common "$1"
  mkdir -p "$1/out/B-1"
  printf 'old\r\nold\r\n' > "$1/out/B-1/x1.txt"
  printf 'keep\r\n' > "$1/out/B-1/OTHER.TXT"
}

CASES=(
  "b1|D:\\src\\B-1.gdf|D:\\out\\B-1"
  "b2|D:\\src\\B-2.gdf|D:\\out\\B-2"
  "japanese|D:\\現場１\\柱状図Ｂ.gdf|D:\\現場１\\出力"
  "raw_bytes|D:\\src\\raw.gdf|D:\\out\\RAW"
  "old_files|D:\\src\\B-1.gdf|D:\\out\\B-1"
)

run_side() {  # SIDE CASE SOURCE TARGET: converts on one side; prints the exit status
  local side=$1 case=$2 source=$3 target=$4 status=0
  local dir=$work/$side/$case
  mkdir -p "$dir"
  "prepare_$case" "$dir"
  if [ "$side" = linux ]; then
    "$linux" convert --yes --quiet --drive "D=$dir" --pattern-dir "$dir/pattern" \
      --program-dir "$dir/program" "$source" "$target" >"$work/$side-$case.out" 2>&1 || status=$?
  else
    "$wine_run" "$windows" convert --yes --quiet --drive "D=Z:$dir" --pattern-dir "Z:$dir/pattern" \
      --program-dir "Z:$dir/program" "$source" "$target" >"$work/$side-$case.out" 2>&1 || status=$?
  fi
  echo "$status"
}

for entry in "${CASES[@]}"; do
  IFS='|' read -r case source target <<<"$entry"
  linux_status=$(run_side linux "$case" "$source" "$target")
  windows_status=$(run_side windows "$case" "$source" "$target")
  if [ "$linux_status" != "$windows_status" ]; then
    echo "FAIL $case: exit status $linux_status on Linux, $windows_status on Windows"
    cat "$work/linux-$case.out" "$work/windows-$case.out"
    failures=$((failures + 1))
    continue
  fi
  if [ "$(cat "$work/linux-$case.out")" != "$(cat "$work/windows-$case.out")" ]; then
    echo "FAIL $case: the programs printed different texts"
    diff "$work/linux-$case.out" "$work/windows-$case.out" || true
    failures=$((failures + 1))
  fi
  # Every file of both sides. The log of additions names the time, the computer and the user of
  # each line, which differ between the sides: those fields are left out of the comparison.
  listing() { (cd "$1" && find . -type f | LC_ALL=C sort); }
  for side in linux windows; do
    log=$work/$side/$case/pattern/GDFCONV.LOG
    if [ -f "$log" ]; then
      LC_ALL=C sed 's/^[^\t]*\t[^\t]*\t[^\t]*\t/*\t*\t*\t/' "$log" >"$log.masked" && mv "$log.masked" "$log"
    fi
  done
  if ! diff <(listing "$work/linux/$case") <(listing "$work/windows/$case") >"$work/diff"; then
    echo "FAIL $case: not the same files"
    cat "$work/diff"
    failures=$((failures + 1))
    continue
  fi
  compared=0
  while IFS= read -r file; do
    compared=$((compared + 1))
    if ! cmp -s "$work/linux/$case/$file" "$work/windows/$case/$file"; then
      echo "FAIL $case: $file differs"
      cmp "$work/linux/$case/$file" "$work/windows/$case/$file" || true
      failures=$((failures + 1))
    fi
  done < <(listing "$work/linux/$case")
  echo "ok   $case: exit $linux_status, $compared files the same"
done
exit $((failures > 0))
