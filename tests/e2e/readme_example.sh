#!/usr/bin/env bash
# The README's review example prints what the README says it prints: its orvelle-screens command,
# run as written, logs the key line the README shows.
set -euo pipefail
readme=$1
screens=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

command=$(grep -m1 '^build/test/tools/orvelle-screens ' "$readme") ||
  fail "no orvelle-screens command in the README"
line=$(grep -o '`key s=[^`]*`' "$readme" | head -1 | tr -d '`')
[ -n "$line" ] || fail "no key line in the README"
keys=$(sed -n "s/.* --keys '\([^']*\)'.*/\1/p" <<<"$command")
program=$(sed -n 's/.* --program \([a-z]*\).*/\1/p' <<<"$command")
"$screens" --program "$program" --keys "$keys" --png none --out "$work" ||
  fail "the command ended with status $?"
grep -qxF "$line" "$work/log.txt" ||
  fail "the log has no line '$line'; its keys: $(grep '^key' "$work/log.txt" | tr '\n' ' ')"
echo "ok   $line"
