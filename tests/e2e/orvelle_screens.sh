#!/usr/bin/env bash
# orvelle-screens runs a program by a key script and writes one PNG per key wait and the log.
set -euo pipefail
screens=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

for program in orvelle calc apply; do
  out="$work/$program"
  "$screens" --program "$program" --keys '9\b7\r\r' --clock 10:20:30 --out "$out" ||
    fail "$program: status $?"
  log="$out/log.txt"
  [ -s "$log" ] || fail "$program: no log"
  head -3 "$log" | tr '\n' '|' | grep -q '^mapmode value=1|maximize|font s="ｺﾞｼｯｸ"|$' ||
    fail "$program: the log does not begin with start-up: $(head -3 "$log")"
  grep -q '^clock s="10:20:30"$' "$log" || fail "$program: the clock was not read"
  keys=$(grep -c '^key s=' "$log" || true)
  # Every key names the line of the program's lessons that waited for it (here its main menu).
  unsited=$(grep '^key s=' "$log" | grep -Evc " at=lessons/(intro|calc|apply)/main_menu\.cpp:[0-9]+$" || true)
  [ "$unsited" -eq 0 ] || fail "$program: keys without their lesson line: $(grep '^key' "$log")"
  pngs=$(find "$out" -name 'screen-*.png' | wc -l)
  # One screen per key read, and one more when the script ran out before the program ended.
  [ "$pngs" -ge "$keys" ] && [ "$pngs" -le $((keys + 1)) ] ||
    fail "$program: $pngs screens for $keys keys"
  if [ "$pngs" -gt 0 ]; then
    [ -f "$out/screen-001.png" ] || fail "$program: screens are not numbered from 001"
    file_type=$(head -c 8 "$out/screen-001.png" | od -An -c | tr -d ' ')
    [ "$file_type" = '211PNG\r\n032\n' ] || fail "$program: screen-001.png is not a PNG"
  fi
  # The same run again gives the same log and replaces the old screens.
  cp "$log" "$work/first.txt"
  touch "$out/screen-999.png"
  "$screens" --program "$program" --keys '9\b7\r\r' --clock 10:20:30 --out "$out"
  [ ! -e "$out/screen-999.png" ] || fail "$program: old screens were kept"
  cmp -s "$work/first.txt" "$log" || fail "$program: two runs drew differently"
  echo "ok   $program: $keys keys, $pngs screens"
done

# --seed replaces the clock's seed: two clocks, one seed, the same drawing.
"$screens" --program calc --keys '2\r1\r' --clock 01:02:03 --seed 77 --out "$work/s1"
"$screens" --program calc --keys '2\r1\r' --clock 20:40:50 --seed 77 --out "$work/s2"
diff <(grep -v '^clock ' "$work/s1/log.txt") <(grep -v '^clock ' "$work/s2/log.txt") >/dev/null ||
  fail "--seed does not fix the random numbers"
echo "ok   --seed"

# --png none writes the same log and no screen; --png last only the last screen, as all writes it.
keys='4\r1\r                  3\r      3\r'
"$screens" --program orvelle --keys "$keys" --out "$work/all" >/dev/null
"$screens" --program orvelle --keys "$keys" --png none --out "$work/none"
"$screens" --program orvelle --keys "$keys" --png last --out "$work/last"
[ -z "$(find "$work/none" -name '*.png')" ] || fail "--png none wrote screens"
cmp -s "$work/all/log.txt" "$work/none/log.txt" || fail "--png none drew another log"
cmp -s "$work/all/log.txt" "$work/last/log.txt" || fail "--png last drew another log"
last=$(cd "$work/all" && ls screen-*.png | tail -1)
[ "$(cd "$work/last" && ls *.png)" = "$last" ] || fail "--png last wrote $(ls "$work/last")"
cmp -s "$work/all/$last" "$work/last/$last" || fail "--png last drew another last screen"
echo "ok   --png none and --png last"

# --png sums: a line a screen, the same log; two screens have one sum exactly when their PNGs
# are the same.
"$screens" --program orvelle --keys "$keys" --png sums --out "$work/sums"
cmp -s "$work/all/log.txt" "$work/sums/log.txt" || fail "--png sums drew another log"
[ -z "$(find "$work/sums" -name '*.png')" ] || fail "--png sums wrote screens"
pngs=$(cd "$work/all" && ls screen-*.png)
[ "$(cut -d' ' -f1 "$work/sums/screens.txt")" = "$(sed 's/\.png$//' <<<"$pngs")" ] ||
  fail "--png sums numbers its screens otherwise than --png all"
previous=
for png in $pngs; do
  sum=$(grep "^${png%.png} " "$work/sums/screens.txt" | cut -d' ' -f2)
  if [ -n "$previous" ]; then
    same_png=no
    cmp -s "$work/all/$previous_png" "$work/all/$png" && same_png=yes
    same_sum=no
    [ "$previous" = "$sum" ] && same_sum=yes
    [ "$same_png" = "$same_sum" ] || fail "$previous_png and $png: same PNG $same_png, same sum $same_sum"
  fi
  previous=$sum
  previous_png=$png
done
echo "ok   --png sums"

# --item goes through an item and writes the keys it typed; --keys replays them call for call.
for run in "orvelle 2-6" "apply 2-4"; do
  read -r program item <<<"$run"
  "$screens" --program "$program" --item "$item" --png none --out "$work/item" ||
    fail "$run: status $?"
  keys=$(cat "$work/item/keys.txt")
  [ "${keys:0:6}" = "${item%-*}\\r${item#*-}\\r" ] || fail "$run: the keys begin ${keys:0:6}"
  "$screens" --program "$program" --keys "$keys" --png none --out "$work/again"
  cmp -s "$work/item/log.txt" "$work/again/log.txt" || fail "$run: its keys replayed drew otherwise"
done
echo "ok   --item"

# Bad arguments are refused with status 2.
status=0
"$screens" --program nosuch --keys x --out "$work/x" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown program gave status $status"
status=0
"$screens" --program calc --keys x --clock 25:99 --out "$work/x" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "a bad clock gave status $status"
status=0
"$screens" --program calc --keys x --png some --out "$work/x" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "a bad --png gave status $status"
for item in 2-9 6-1 2; do
  status=0
  "$screens" --program orvelle --item "$item" --out "$work/x" 2>/dev/null || status=$?
  [ "$status" -eq 2 ] || fail "--item $item gave status $status"
done
status=0
"$screens" --program orvelle --item 2-6 --keys x --out "$work/x" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "--item with --keys gave status $status"
echo "ok   bad arguments"
