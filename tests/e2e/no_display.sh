#!/usr/bin/env bash
# Each program, started without a display, says so on stderr and ends with status 1.
set -uo pipefail
failed=0
for program in "$@"; do
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$program" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 1 ] || [ "$err" != "cannot open a window: no display" ]; then
    echo "FAIL $(basename "$program"): status $status, stderr: $err"
    failed=1
  else
    echo "ok   $(basename "$program")"
  fi
done
exit $failed
