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
# The "終了" of sections 1 and 4 follows their items, as the program's description lists them.
"$screens" --program orvelle --items >"$work/items"
section1_end=$(( $(grep -c '^1 ' "$work/items") + 1 ))
section4_end=$(( $(grep -c '^4 ' "$work/items") + 1 ))
export program screens section1_end section4_end work
xvfb-run -n "${ORVELLE_XVFB_FROM:-99}" -a -s "-screen 0 1440x900x24 -nolisten tcp" \
  bash "$(dirname "$0")/window_sizes_session.sh"
