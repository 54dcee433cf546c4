#!/usr/bin/env bash
# The part of window_depths.sh that runs inside the Xvfb session; its argument is the depth.
set -euo pipefail
. "$(dirname "$0")/session_lib.sh"
depth=$1

if [ "$depth" -eq 8 ]; then
  start=$(date +%s%N)
  status=0
  timeout 10 "$program" >"$work/out" 2>"$work/err" || status=$?
  ms=$((($(date +%s%N) - start) / 1000000))
  [ "$status" -eq 1 ] || fail "at depth 8 the program ended with status $status: $(cat "$work/err")"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "at depth 8 the program said: $(cat "$work/err")"
  grep -q "depth 8.*the lessons cannot be shown on it" "$work/err" ||
    fail "at depth 8 the program said: $(cat "$work/err")"
  [ "$ms" -lt 2000 ] || fail "at depth 8 the program took $ms ms to end"
  echo "ok   at depth 8 one line, status 1, in $ms ms: $(cat "$work/err")"
  exit 0
fi

# The screen's colours are rounded to its depth: pixels count as differing only past that.
fuzz=3%
# Mesa's shader cache pointed at a folder of the test's own: the program must store nothing in it.
mkdir -p "$work/mesa"
MESA_SHADER_CACHE_DIR=$work/mesa XDG_CACHE_HOME=$work HOME=$work launch Orvelle
shows "$(expected '' menu)" "the main menu at depth $depth"
terminate
[ ! -s "$work/err" ] || fail "the program said: $(cat "$work/err")"
stored=$(find "$work/mesa" -type f | wc -l)
[ "$stored" -eq 0 ] || fail "at depth $depth mesa stored $stored files in its shader cache"
echo "ok   at depth $depth nothing in mesa's shader cache"
