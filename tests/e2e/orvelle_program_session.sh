#!/usr/bin/env bash
# The part of orvelle_program.sh that runs inside the Xvfb session.
set -euo pipefail
. "$(dirname "$0")/session_lib.sh"

launch "$title"
xdotool windowfocus --sync "$id"
shows "$(expected '' menu)" "the main menu"

choose 1
shows "$(expected '1\r' section)" "section 1's aims and sub-menu"

choose "$section_end"
shows "$(expected "1\\r$section_end\\r" back)" "the main menu again"

choose "$menu_end"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "the menu's last item did not end the program"; }
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/err")"
echo "ok   the menu's last item ends the program with status 0"
