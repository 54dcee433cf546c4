#!/usr/bin/env bash
# Orvelle as a pupil runs it: its window under Xvfb, typed keys, the screen it shows, and the end
# by the menu's last item with status 0.
set -euo pipefail
program=$1
screens=$2
for tool in xvfb-run xauth xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export program screens work
xvfb-run -a -s "-screen 0 1440x900x24 -nolisten tcp" \
  bash "$(dirname "$0")/orvelle_program_session.sh"
