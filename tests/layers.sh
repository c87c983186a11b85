#!/bin/sh
# layers.sh - Fails when a file of src/ includes a layer above its own. The layers, lowest
# first: common, tables, sections, run, then the two front ends (cli, app), which do not
# include each other.
#
#   sh tests/layers.sh [SRC_DIR]
cd "${1:-$(dirname "$0")/../src}" || exit 2
find common tables sections run cli app -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) \
    2>/dev/null | sort | xargs grep -H '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]*/' |
awk '
  BEGIN { rank["common"] = 0; rank["tables"] = 1; rank["sections"] = 2; rank["run"] = 3
          rank["cli"] = 4; rank["app"] = 4 }
  {
    file = substr($0, 1, index($0, ":") - 1)
    split(file, path, "/"); layer = path[1]
    included = $0; sub(/^[^"]*"/, "", included); sub(/\/.*/, "", included)
    if (!(included in rank) || !(layer in rank)) next
    if (rank[included] > rank[layer]) {
      print file " includes " included "/, a layer above " layer "/" > "/dev/stderr"; bad = 1
    } else if (rank[included] == 4 && included != layer) {
      print file " includes " included "/, the other front end" > "/dev/stderr"; bad = 1
    }
  }
  END {
    if (bad) exit 1
    print "layers: every include points down or across its own layer"
  }'
