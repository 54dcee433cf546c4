#!/usr/bin/env bash
# Orvelle on X screens of other depths under Xvfb: at 30 bits (10-bit monitors) and 16 it shows its
# main menu; at 8, where SDL can show no picture, it says so in one line and ends with status 1
# within two seconds, never a black window.
set -euo pipefail
program=$1
screens=$2
for tool in xvfb-run xauth xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export program screens work
for depth in 30 16 8; do
  xvfb-run -n "${ORVELLE_XVFB_FROM:-99}" -a -s "-screen 0 1440x900x$depth -nolisten tcp" \
    bash "$(dirname "$0")/window_depths_session.sh" "$depth"
done
