#!/usr/bin/env bash
# Storms of window sizes with every core busy, under Xvfb: Orvelle Apply's balance tilts while
# its window takes random sizes, from a pixel to the screen, then the screen's size again; each
# time the window shows what a fresh start at that size shows after the same keys.
set -euo pipefail
program=$1
screens=$2
for tool in xvfb-run xauth xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
busy=()
trap 'kill "${busy[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
# A busy loop on every core for the test's whole length: the program, the X server and xdotool
# all wait their turn, as on a loaded machine.
for _ in $(seq "$(nproc)"); do
  bash -c 'while :; do :; done' &
  busy+=($!)
done
export program screens work
xvfb-run -n "${ORVELLE_XVFB_FROM:-99}" -a -s "-screen 0 1440x900x24 -nolisten tcp" \
  bash "$(dirname "$0")/window_storm_session.sh"
