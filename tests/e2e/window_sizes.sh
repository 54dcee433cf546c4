#!/usr/bin/env bash
# Orvelle in windows of every size, down to 1 x 1, under Xvfb: it goes on reading keys, shows the
# right screen once its window is large again, and ends by its menu with status 0.
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
  bash "$(dirname "$0")/window_sizes_session.sh"
