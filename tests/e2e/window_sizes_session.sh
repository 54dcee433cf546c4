#!/usr/bin/env bash
# The part of window_sizes.sh that runs inside the Xvfb session.
set -euo pipefail
. "$(dirname "$0")/session_lib.sh"

# Resizes the window and types keys into it at that size.
at_size() {
  local w=$1 h=$2
  shift 2
  xdotool windowsize --sync "$id" "$w" "$h" 2>/dev/null || xdotool windowsize "$id" "$w" "$h"
  sleep 0.3
  [ $# -eq 0 ] || xdotool key --delay 60 "$@"
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || fail "the program ended at $w x $h: $(cat "$work/err")"
  echo "ok   at $w x $h it goes on${1:+ reading keys}"
}

launch Orvelle
xdotool windowfocus --sync "$id"
shows "$(expected '' menu)" "the main menu"

at_size 1 1 1 Return                    # section 1
at_size 70 900 "$section1_end" Return   # its sub-menu's end: the main menu
at_size 1 2000 4 Return                 # section 4
at_size 1440 900
shows "$(expected "1\\r$section1_end\\r4\\r" section)" "section 4's aims and sub-menu at full size"

# Sizes that come back to the old one before the program looks (SDL makes the window's surface
# anew all the same), with keys between them: the picture stays whole.
for _ in $(seq 20); do
  xdotool windowsize "$id" 1000 700 windowsize "$id" 1440 900
  xdotool key --delay 0 9 BackSpace
done
sleep 0.3
kill -0 "$pid" 2>/dev/null || fail "the program ended among the resizes: $(cat "$work/err")"
shows "$(expected "1\\r$section1_end\\r4\\r" section)" "section 4 after 20 resizes there and back"

xdotool key --delay 60 "$section4_end" Return 6 Return
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "the menu's last item did not end the program"; }
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "the program said: $(cat "$work/err")"
echo "ok   the menu's last item ends the program with status 0"
