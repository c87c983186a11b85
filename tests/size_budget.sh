#!/bin/sh
# size_budget.sh - Fails when a folder of src/ holds more than 2 500 hand-written lines in its own
# files (the .cpp and .h files directly in it), or when a .cpp file holds more than 600 lines.
# Generated tables (.inc) do not count. A room that outgrows its budget wants splitting by what
# its parts are about, not a higher number here.
#
#   sh tests/size_budget.sh [SRC_DIR]
cd "${1:-$(dirname "$0")/../src}" || exit 2
most_in_folder=2500
most_in_file=600
status=0
for folder in $(find . -type d | sort); do
  lines=$(find "$folder" -maxdepth 1 -type f \( -name '*.cpp' -o -name '*.h' \) -exec cat {} + |
          wc -l)
  if [ "$lines" -gt "$most_in_folder" ]; then
    echo "${folder#./}/ holds $lines lines, more than $most_in_folder" >&2
    status=1
  fi
done
for file in $(find . -type f -name '*.cpp' | sort); do
  lines=$(wc -l <"$file")
  if [ "$lines" -gt "$most_in_file" ]; then
    echo "${file#./} holds $lines lines, more than $most_in_file" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "size: every folder of src/ within $most_in_folder lines, every .cpp within $most_in_file"
exit "$status"
