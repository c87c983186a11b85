#!/usr/bin/env bash
# shared_folder_test.sh MODE LINUX_GDFCONV WINDOWS_GDFCONV_EXE WINE_RUN HOLD_LOCK SOURCE_DIR
#
# The pattern-data folder as an office shares it on a file server, with "PCs" that share nothing
# but the folder: Linux processes, and two wine prefixes, each with a wine server of its own, as
# two Windows PCs.
#   many-pcs        RUNS conversions at once (default 102: a third on Linux, a third on each
#                   PC; with WINE_ONLY=1 half on each PC), each adding names of its own to a folder whose tables hold about
#                   20 000 lines. Every run must exit 0; afterwards every name of every run is
#                   in its tables exactly once, under a code that no other line holds, every line
#                   is whole, and `gdfconv tables` finds the folder healthy.
#   outside-holder  Another program holds the lock (gdfconv_hold_lock, a plain fcntl lock). Runs
#                   on Linux and on a PC wait, say at once whom they wait for (the holder's line,
#                   or "another program"), and exit 3 after --lock-wait 1. Once the holder is
#                   killed with SIGKILL, runs go through at once.
#   crashed-pc      While a run on PC 1 holds the lock, PC 1's whole wine server is killed, as a
#                   PC that crashes. The run that PC 2 started meanwhile, and that waits, then
#                   goes through, and every table holds whole lines only.
# Skipped (77) when the Windows program is not built.
set -euo pipefail
mode=$1 linux=$2 windows=$3 wine_run=$4 hold=$5 source_dir=$6
runs=${RUNS:-102}
wine_only=${WINE_ONLY:-}  # set: the runs go to the two PCs only, none to Linux
if [ ! -f "$windows" ]; then
  echo "the Windows program is not built ($windows): no PC to run"
  exit 77
fi
build_win=$(cd "$(dirname "$windows")" && pwd)
pc1=$build_win/wineprefix-pc1
pc2=$build_win/wineprefix-pc2
work=$(mktemp -d /tmp/gdfconv-shared-XXXXXX)
holders=()
cleanup() {
  for pid in "${holders[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}

# UTF-8 lines on stdin as a CP932 file with CR LF.
cp932() { iconv -f UTF-8 -t CP932 | sed 's/$/\r/'; }
# A CP932 file as UTF-8 lines without CR.
utf8() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }

# Runs gdfconv on one "PC": linux, pc1 or pc2; the work folder is drive D: on each.
gdfconv_on() {
  local where=$1
  shift
  if [ "$where" = linux ]; then
    "$linux" convert --lang en --yes --drive "D=$work" --pattern-dir "$work/pattern" \
      --program-dir "$work/program-$where" "$@"
  else
    WINEPREFIX=${!where} "$wine_run" "$windows" convert --lang en --yes \
      --drive "D=Z:$work" --pattern-dir "Z:$work/pattern" --program-dir "Z:$work/program-$where" \
      "$@"
  fi
}

# Both PCs started (each prefix made once, in the build folder), each with its own server.
start_pcs() {
  mkdir -p "$work/program-linux" "$work/program-pc1" "$work/program-pc2"
  WINEPREFIX=$pc1 "$wine_run" "$windows" --help >/dev/null &
  WINEPREFIX=$pc2 "$wine_run" "$windows" --help >/dev/null &
  wait
}

# A source data file whose layers, column values and colours carry the mark $1; with $2 = no, it
# adds only layer names.
write_source() {
  local mark=$1 codes=${2:-yes}
  {
    printf '$A2\n1.00\n新規土%s甲\n\n\nSG\n\n\n\n\n2.00\n新規土%s乙\n\n\nSc\n\n\n\n\n' "$mark" "$mark"
    if [ "$codes" = yes ]; then
      printf '$S1\n1.00\nCM\n新A%s\n新B%s\n新C%s\n新D%s\n新E%s\n新F%s\n\n' \
        "$mark" "$mark" "$mark" "$mark" "$mark" "$mark"
      printf '$H1\n3.00\n2\nx\n新色%s/新区分%s\n' "$mark" "$mark"
    fi
  } | cp932 >"$work/src/r$mark.gdf"
}

# A pattern-data folder of about 20 000 lines: KISHITU.TXT with six lines (of six attributes) for
# each code that a search finds outside the added range, the added range 2000 to 2999 in both name
# tables, 4 000 high entries in XKISHITU.TXT, and one line in each code table.
write_pattern() {
  mkdir -p "$work/pattern" "$work/src"
  cp "$source_dir/data/pattern/L1.TXT" "$source_dir/data/pattern/L2.TXT" \
    "$source_dir/data/pattern/L4.TXT" "$work/pattern/"
  awk 'BEGIN {
    for (c = 1; c < 5500; c++) {
      if (c >= 2000 && c < 5000) continue
      for (a = 0; a < 6; a++) printf "%04d,既存の土%d,%c,%c,    ,0000\n", c, c, 65 + a, 65 + a
    }
    for (c = 2000; c < 3000; c++) printf "%04d,既存の追加%d,X,X,    ,0000\n", c, c
  }' | cp932 >"$work/pattern/KISHITU.TXT"
  awk 'BEGIN {
    for (c = 2000; c < 3000; c++) printf "%04d,既存の追加%d,X,X,    ,0000\n", c, c
    for (c = 4000; c < 8000; c++) printf "%04d,高位%d,X,X,    ,0000\n", c, c
  }' | cp932 >"$work/pattern/XKISHITU.TXT"
  for table in L13.TXT L14.TXT L15.TXT L16.TXT L19.TXT; do
    echo "1,既存" | cp932 >"$work/pattern/$table"
  done
  echo "1,C01,既存" | cp932 >"$work/pattern/L17.TXT"
  echo "01,既存" | cp932 >"$work/pattern/L18.txt"
  echo "01,既存" | cp932 >"$work/pattern/L18b.txt"
}

# Every line of every table ends with CR LF, and has the table's number of fields.
check_whole_lines() {
  local table fields
  for table in "$work"/pattern/*; do
    case $(basename "$table") in
      KISHITU.TXT | XKISHITU.TXT) fields=6 ;;
      L17.TXT) fields=3 ;;
      GDFCONV.LCK | GDFCONV.LOG | XKISHITU.TMP) continue ;;
      *) fields=2 ;;
    esac
    if [ -s "$table" ] && [ "$(tail -c 2 "$table" | od -An -c | tr -d ' ')" != '\r\n' ]; then
      fail "$(basename "$table") ends inside a line"
    fi
    local bad
    bad=$(LC_ALL=C awk -F, -v n="$fields" '!/\r$/ || NF != n { print NR": "$0; exit }' "$table")
    [ -z "$bad" ] || fail "$(basename "$table") has a line that is not whole: $bad"
  done
}

many_pcs() {
  write_pattern
  local codes_runs=98  # the two-digit code tables take 98 codes after their one line
  local i mark
  for ((i = 0; i < runs; i++)); do
    mark=$(printf '%03d' "$i")
    write_source "$mark" "$([ "$i" -lt "$codes_runs" ] && echo yes || echo no)"
  done
  local lines
  lines=$(cat "$work"/pattern/* | wc -l)
  start_pcs
  mkdir -p "$work/status"
  local started=$SECONDS where
  for ((i = 0; i < runs; i++)); do
    mark=$(printf '%03d' "$i")
    if [ -n "$wine_only" ]; then
      where=pc$((i % 2 + 1))
    else
      case $((i % 3)) in 0) where=linux ;; 1) where=pc1 ;; *) where=pc2 ;; esac
    fi
    (
      status=0
      gdfconv_on "$where" --quiet --lock-wait 900 "D:\\src\\r$mark.gdf" "D:\\out\\r$mark" \
        >"$work/status/$mark.out" 2>&1 || status=$?
      echo "$status" >"$work/status/$mark"
    ) &
  done
  wait
  local who="Linux, PC 1 and PC 2"
  [ -z "$wine_only" ] || who="PC 1 and PC 2"
  echo "$runs runs at once ($who by turns) on tables of $lines lines: $((SECONDS - started)) s"

  for ((i = 0; i < runs; i++)); do
    mark=$(printf '%03d' "$i")
    if [ "$(cat "$work/status/$mark")" != 0 ]; then
      fail "run $mark exited $(cat "$work/status/$mark"): $(cat "$work/status/$mark.out")"
    fi
  done
  check_whole_lines
  # Every name once, each table's codes never twice.
  local table name count
  for table in KISHITU.TXT XKISHITU.TXT L13.TXT L14.TXT L15.TXT L16.TXT L17.TXT L19.TXT \
    L18.txt L18b.txt; do
    utf8 "$work/pattern/$table" >"$work/$table.utf8"
  done
  for ((i = 0; i < runs; i++)); do
    mark=$(printf '%03d' "$i")
    for table in KISHITU.TXT XKISHITU.TXT; do
      for name in "新規土${mark}甲" "新規土${mark}乙"; do
        count=$(grep -c ",$name," "$work/$table.utf8" || true)
        [ "$count" = 1 ] || fail "$table holds $name $count times"
      done
    done
    [ "$i" -lt "$codes_runs" ] || continue
    local letter=A
    for table in L13.TXT L14.TXT L15.TXT L16.TXT L17.TXT L19.TXT; do
      count=$(grep -c ",新$letter$mark\$" "$work/$table.utf8" || true)
      [ "$count" = 1 ] || fail "$table holds 新$letter$mark $count times"
      letter=$(echo "$letter" | tr A-E B-F)
    done
    for pair in "L18.txt:新色$mark" "L18b.txt:新区分$mark"; do
      count=$(grep -c ",${pair#*:}\$" "$work/${pair%%:*}.utf8" || true)
      [ "$count" = 1 ] || fail "${pair%%:*} holds ${pair#*:} $count times"
    done
  done
  local twice
  twice=$(grep '新規土' "$work/KISHITU.TXT.utf8" | cut -d, -f1 | sort | uniq -d | head -n 3)
  [ -z "$twice" ] || fail "KISHITU.TXT gave the codes $twice to two new names"
  twice=$(cut -d, -f1 "$work/XKISHITU.TXT.utf8" | sort | uniq -d | head -n 3)
  [ -z "$twice" ] || fail "XKISHITU.TXT holds the codes $twice twice"
  for table in L13.TXT L14.TXT L15.TXT L16.TXT L17.TXT L19.TXT L18.txt L18b.txt; do
    twice=$(cut -d, -f1 "$work/$table.utf8" | tr -d ' ' | sort | uniq -d | head -n 3)
    [ -z "$twice" ] || fail "$table gave the codes $twice twice"
  done
  # Who added what: one line of the log for each table line added.
  local expected=$((runs * 4 + codes_runs * 8))
  count=$(wc -l <"$work/pattern/GDFCONV.LOG")
  [ "$count" = "$expected" ] || fail "GDFCONV.LOG holds $count lines, not $expected"
  local health=0
  "$linux" tables --lang en --pattern-dir "$work/pattern" >"$work/health" 2>&1 || health=$?
  [ "$health" = 0 ] || fail "gdfconv tables finds faults: $(grep -m 3 fault: "$work/health")"
}

# Waits (up to 30 s) until file $1 holds text $2.
wait_for() {
  local tries=0
  until grep -q -- "$2" "$1" 2>/dev/null; do
    tries=$((tries + 1))
    if [ "$tries" -gt 600 ]; then
      fail "waited in vain for \"$2\" in $(basename "$1"): $(cat "$1" 2>/dev/null)"
      return 1
    fi
    sleep 0.05
  done
}

outside_holder() {
  mkdir -p "$work/src"
  cp -r "$source_dir/data/pattern" "$work/pattern"
  cp "$source_dir/data/examples/B-1.gdf" "$work/src/"
  start_pcs
  local lock=$work/pattern/GDFCONV.LCK where status out started
  for line in "PC-OUTSIDE,someone,99,2026-12-09 10:02:05" ""; do
    "$hold" "$lock" "$line" >"$work/holder" &
    holders+=($!)
    wait_for "$work/holder" held || return
    for where in linux pc1; do
      status=0
      started=$SECONDS
      out=$(gdfconv_on "$where" --lock-wait 1 'D:\src\B-1.gdf' "D:\\out\\$where" 2>&1) || status=$?
      [ "$status" = 3 ] || fail "$where exited $status, not 3, while another held the lock: $out"
      if [ -n "$line" ]; then
        for said in "someone on PC-OUTSIDE has been converting since 10:02. Waiting until it finishes (at most 1 second)." \
          "someone on PC-OUTSIDE has been converting into the pattern-data folder since 10:02"; do
          [[ $out == *"$said"* ]] || fail "$where did not say [$said]: $out"
        done
      else
        for said in "Another program holds the lock of the pattern-data folder. Waiting" \
          "Another program kept the pattern-data folder locked for the whole wait of 1 second"; do
          [[ $out == *"$said"* ]] || fail "$where did not say [$said]: $out"
        done
      fi
      [ -e "$work/out/$where" ] && fail "$where made its target folder though it could not lock"
    done
    kill -9 "${holders[-1]}"
    wait "${holders[-1]}" 2>/dev/null || true
  done
  # The holder is gone: runs go through at once, with no word of waiting.
  for where in linux pc1; do
    status=0
    started=$(date +%s%N)
    out=$(gdfconv_on "$where" --lock-wait 60 'D:\src\B-1.gdf' "D:\\out\\$where" 2>&1) || status=$?
    local took=$((($(date +%s%N) - started) / 1000000))
    [ "$status" = 0 ] || fail "$where exited $status once the holder was killed: $out"
    [[ $out != *Waiting* ]] || fail "$where waited once the holder was killed: $out"
    [ "$took" -lt 10000 ] || fail "$where took $took ms once the holder was killed"
    echo "$where went through in $took ms once the holder was killed"
  done
}

crashed_pc() {
  mkdir -p "$work/src"
  cp -r "$source_dir/data/pattern" "$work/pattern"
  # A KISHITU.TXT of a million lines: PC 1's run holds the lock while it reads it.
  awk 'BEGIN { for (i = 0; i < 1000000; i++)
    printf "%04d,既存の土%d,A,A,    ,0000\n", 5000 + i % 500, i }' | cp932 >"$work/pattern/KISHITU.TXT"
  write_source one
  write_source two
  start_pcs
  ( gdfconv_on pc1 --lock-wait 60 'D:\src\rone.gdf' 'D:\out\one' >"$work/pc1.out" 2>&1 || true ) &
  local first=$!
  # PC 1 holds the lock once its line is in the lock file.
  local tries=0
  until [ -s "$work/pattern/GDFCONV.LCK" ]; do
    tries=$((tries + 1))
    [ "$tries" -lt 1200 ] || { fail "PC 1 never took the lock: $(cat "$work/pc1.out")"; return; }
    sleep 0.05
  done
  local status=0
  ( gdfconv_on pc2 --lock-wait 120 'D:\src\rtwo.gdf' 'D:\out\two' >"$work/pc2.out" 2>&1 ||
    echo $? >"$work/pc2.status" ) &
  local second=$!
  wait_for "$work/pc2.out" "Waiting until it finishes" || return
  [[ $(cat "$work/pc2.out") == *"has been converting since"* ]] ||
    fail "PC 2 did not name PC 1: $(cat "$work/pc2.out")"
  # PC 1 crashes: every process of its wine server goes at once.
  WINEPREFIX=$pc1 wineserver -k || true
  wait "$first" || true
  wait "$second" || true
  [ ! -f "$work/pc2.status" ] || fail "PC 2 exited $(cat "$work/pc2.status"): $(cat "$work/pc2.out")"
  [[ $(cat "$work/pc2.out") == *"変換が正常に終了しました。"* ]] ||
    fail "PC 2 did not complete: $(cat "$work/pc2.out")"
  check_whole_lines
  local count
  count=$(utf8 "$work/pattern/KISHITU.TXT" | grep -c ',新規土two甲,' || true)
  [ "$count" = 1 ] || fail "KISHITU.TXT holds PC 2's name $count times"
  echo "PC 2 went through after PC 1 crashed while it held the lock"
}

case $mode in
  many-pcs) many_pcs ;;
  outside-holder) outside_holder ;;
  crashed-pc) crashed_pc ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
[ "$failures" = 0 ] && echo "ok   $mode"
exit $((failures > 0))
