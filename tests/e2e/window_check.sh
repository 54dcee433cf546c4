#!/usr/bin/env bash
# window-check in a real window under Xvfb: a waiting program sleeps, typed keys are echoed on
# the card, the window shows exactly the pixels the recording device rasterises, and the window
# manager's close request, SIGTERM and SIGHUP end it with status 0, at a key wait and at the wait
# of the error screen.
set -euo pipefail
check=$1
close=$2
for tool in xvfb-run xauth xdotool import compare identify; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export check close work
xvfb-run -n "${ORVELLE_XVFB_FROM:-99}" -a -s "-screen 0 1440x900x24 -nolisten tcp" \
  bash "$(dirname "$0")/window_check_session.sh"
