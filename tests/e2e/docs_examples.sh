#!/usr/bin/env bash
# The review examples of the README and the developers' guide print what they say they print:
# each one's orvelle-screens command, run as written, logs the first key line it quotes.
set -euo pipefail
screens=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

for doc in "$@"; do
  name=$(basename "$doc")
  # On a line of its own (the README's) or quoted inline (the guide's).
  command=$(grep -o -m1 -E '^build/[a-z-]+/tools/orvelle-screens .*|`build/[a-z-]+/tools/orvelle-screens [^`]*`' \
    "$doc" | tr -d '`') || fail "$name: no orvelle-screens command"
  line=$(grep -o '`key s=[^`]*`' "$doc" | head -1 | tr -d '`')
  [ -n "$line" ] || fail "$name: no key line"
  keys=$(sed -n "s/.* --keys '\([^']*\)'.*/\1/p" <<<"$command")
  program=$(sed -n 's/.* --program \([a-z]*\).*/\1/p' <<<"$command")
  [ -n "$keys" ] && [ -n "$program" ] || fail "$name: cannot read the command: $command"
  rm -rf "$work/out"
  "$screens" --program "$program" --keys "$keys" --png none --out "$work/out" ||
    fail "$name: the command ended with status $?"
  grep -qxF "$line" "$work/out/log.txt" ||
    fail "$name: the log has no line '$line'; its keys: $(grep '^key' "$work/out/log.txt" | tr '\n' ' ')"
  echo "ok   $name: $line"
done
