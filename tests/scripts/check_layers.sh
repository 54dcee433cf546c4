#!/usr/bin/env bash
# scripts/check-layers passes on this tree, and on a copy of it fails for an include planted
# against the layers, naming the file, the line and the include; planted includes that the
# layers allow pass.
set -euo pipefail
check=$1
source_root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

"$check" "$source_root" >/dev/null || fail "the tree itself breaks its layers"
echo "ok   the tree"

# file to plant into | include | "fails" or "passes"
cases='
core/measure.cpp|#include "lessons/common/steps.h"|fails
notation/markup.cpp|#include "programs/program_main.h"|fails
figures/grid.cpp|#include "tests/support/machine.h"|fails
platform/text.cpp|#include "core/shared.h"|fails
platform/text.h|#include <core/shared.h>|fails
lessons/common/steps.cpp|#include "lessons/intro/main_menu.h"|fails
lessons/intro/quantities.cpp|#include "lessons/calc/main_menu.h"|fails
lessons/calc/main_menu.cpp|#include "../apply/main_menu.h"|fails
lessons/apply/sticks.cpp|#include "lessons/intro/program.h"|fails
lessons/calc/program.h|#include "lessons/apply/numbers.h"|fails
lessons/apply/main_menu.cpp|#include "programs/program_main.h"|fails
core/measure.cpp|#include "notation/markup.h"|passes
figures/grid.cpp|#include "core/text_boxes.h"|passes
lessons/intro/quantities.cpp|#include "lessons/common/steps.h"|passes
lessons/apply/main_menu.cpp|#include "lessons/apply/program.h"|passes
programs/orvelle.cpp|#include "lessons/apply/main_menu.h"|passes
tools/test_card.cpp|#include "programs/program_main.h"|passes
tests/core/prompts_test.cpp|#include "lessons/intro/main_menu.h"|passes
platform/text.cpp|#include <vector>|passes
'
while IFS='|' read -r file include expected; do
  [ -n "$file" ] || continue
  tree="$work/tree"
  rm -rf "$tree"
  mkdir -p "$tree"
  for d in programs lessons core notation figures platform tools tests; do
    cp -r "$source_root/$d" "$tree/"
  done
  echo "$include" >>"$tree/$file"
  line=$(wc -l <"$tree/$file")
  status=0
  output=$("$check" "$tree" 2>&1) || status=$?
  if [ "$expected" = fails ]; then
    [ "$status" -ne 0 ] || fail "$file: $include was let through"
    grep -qF "$file:$line: $include" <<<"$output" || fail "$file: not named: $output"
    [ "$(grep -c ':[0-9]*: #include' <<<"$output")" -eq 1 ] || fail "$file: more named: $output"
  else
    [ "$status" -eq 0 ] || fail "$file: $include was refused: $output"
  fi
  echo "ok   $file $include: $expected"
done <<<"$cases"
