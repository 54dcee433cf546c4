#!/usr/bin/env bash
# Orvelle Apply's balance example in its window under Xvfb: the animation shows its frames, and
# the window closed, or SIGTERM, while the beam is moving ends the program with status 0 within a
# second.
set -euo pipefail
program=$1
screens=$2
close=$3
for tool in xvfb-run xauth xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export program screens close work
xvfb-run -n "${ORVELLE_XVFB_FROM:-99}" -a -s "-screen 0 1440x900x24 -nolisten tcp" \
  bash "$(dirname "$0")/apply_balance_close_session.sh"
