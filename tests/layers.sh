#!/bin/sh
# layers.sh - Fails when a file of src/ includes a room above its own, when a file outside
# platform/ includes one system's folder of it, or when a header outside platform/ asks which
# system it is built for. The rooms, lowest first:
#
#   text       the UTF-16 text type and the character helpers every room needs
#   platform   the file system seam, the host, the dry-run and watched overlays; posix/ and
#              windows/ below it, of which the build takes one
#   messages   message ids, the catalogue in both languages, the help texts, rendering
#   common     text and number routines, code page 932, file conventions, path validation
#   tables     the lookup tables of the pattern-data folder
#   sections   one converter per section
#   run        the conversion run, the dry run, the batch, the check of a source
#   preview    the picture of a boring and the batch's page of pictures
#   frontend   what the command line and the windows share: options, host settings, start-up
#   app/logic  Form1's handlers and layout, for every window
#   cli, app/qt, app/win32   the front ends, which do not include each other
#
#   sh tests/layers.sh [SRC_DIR]
cd "${1:-$(dirname "$0")/../src}" || exit 2
status=0
find . -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) | sed 's|^\./||' | sort |
  xargs grep -H '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_0-9]*/' |
  awk '
  BEGIN { rank["text"] = 0; rank["platform"] = 1; rank["messages"] = 2; rank["common"] = 3
          rank["tables"] = 4; rank["sections"] = 5; rank["run"] = 6; rank["preview"] = 7
          rank["frontend"] = 8; rank["app/logic"] = 9
          rank["cli"] = 10; rank["app/qt"] = 10; rank["app/win32"] = 10 }
  # The room of a path: its first folder, or for app/ its first two.
  function room(path,   parts) {
    split(path, parts, "/")
    return parts[1] == "app" ? parts[1] "/" parts[2] : parts[1]
  }
  {
    file = substr($0, 1, index($0, ":") - 1)
    included = $0; sub(/^[^"]*"/, "", included); sub(/".*/, "", included)
    from = room(file); to = room(included)
    if (from != "platform" && included ~ /^platform\/(posix|windows)\//) {
      print file " includes " included ": only platform/ chooses a system" > "/dev/stderr"; bad = 1
    }
    if (!(to in rank) || !(from in rank)) next
    if (rank[to] > rank[from]) {
      print file " includes " included ", a room above " from "/" > "/dev/stderr"; bad = 1
    } else if (rank[to] == 10 && to != from) {
      print file " includes " included ", another front end" > "/dev/stderr"; bad = 1
    }
  }
  END {
    if (bad) exit 1
    print "layers: every include points down or across its own room"
  }' || status=1
# Which system a build is for is platform/'s question; a header elsewhere never asks it.
for header in $(find . -name '*.h' ! -path './platform/*' | sort); do
  if grep -q '_WIN32' "$header"; then
    echo "${header#./} asks which system it is built for; only platform/ may" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "layers: no header outside platform/ asks for the system"
exit "$status"
