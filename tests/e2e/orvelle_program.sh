#!/usr/bin/env bash
# A program as a pupil runs it: its window under Xvfb, typed keys, the screen it shows, and the end
# by the menu's last item with status 0.
# Arguments: the program, orvelle-screens, the program's name for it (orvelle, calc, apply), the
# window title, and the number of the main menu's "終了". Section 1's "終了" follows its items, as
# orvelle-screens --items lists them from the program's description.
set -euo pipefail
program=$1
screens=$2
name=$3
title=$4
menu_end=$5
section_end=$(( $("$screens" --program "$name" --items | grep -c '^1 ') + 1 ))
for tool in xvfb-run xauth xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export program screens name title section_end menu_end work
xvfb-run -n "${ORVELLE_XVFB_FROM:-99}" -a -s "-screen 0 1440x900x24 -nolisten tcp" \
  bash "$(dirname "$0")/orvelle_program_session.sh"
