#!/usr/bin/env bash
# The part of apply_balance_close.sh that runs inside the Xvfb session.
set -euo pipefail
. "$(dirname "$0")/session_lib.sh"

# The screens orvelle-screens renders for a key script, one per key wait.
render() {
  "$screens" --program apply --keys "$1" --out "$work/$2" >/dev/null
}

# Item ③ up to its still balance; then every key wait of the item up to the swing back's end.
render '3\r3\r' still
render '3\r3\r   ' item
still=$(ls "$work"/still/screen-*.png | tail -1)
waits=$(ls "$work"/item/screen-*.png | tail -4)

# A run: the program at ③'s still balance, three keys typed at once (they start the sinking run
# and end the two key waits that follow it at once, so 9 frames and then 17 run on), a look at
# the moving beam, then the end by `how` (close or term).
run() {
  local how=$1 pid id start ms status=0
  "$program" >"$work/$how.out" 2>"$work/$how.err" &
  pid=$!
  id=$(timeout 20 xdotool search --sync --name '^Orvelle Apply$' | head -1) || true
  [ -n "$id" ] || fail "no window appeared: $(cat "$work/$how.err")"
  xdotool windowfocus --sync "$id"
  choose 3 3
  shows "$still" "item ③'s still balance"
  xdotool key --delay 10 space space space
  # A look until the window shows a frame of the animation, no screen the item waits on (the run
  # lasts 26 frames of 50 ms; a busy machine may be slow to deliver the keys or take the look).
  local moving=
  for _ in $(seq 40); do
    import -window root "$work/moving.png"
    moving=yes
    for png in "$still" $waits; do
      [ "$(differ "$work/moving.png" "$png")" -gt 1000 ] || moving=
    done
    [ -n "$moving" ] && break
    sleep 0.02
  done
  start=$(date +%s%N)
  if [ "$how" = close ]; then
    "$close" "$id" || fail "the window does not take the close request"
  else
    kill -TERM "$pid"
  fi
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.01; done
  ms=$((($(date +%s%N) - start) / 1000000))
  kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "$how did not end the program"; }
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$how ended the program with status $status: $(cat "$work/$how.err")"
  [ "$ms" -lt 1000 ] || fail "$how took $ms ms to end the program"
  [ -n "$moving" ] || fail "no look before $how found a moving beam, only key waits' screens"
  echo "ok   $how during the animation ends the program with status 0 in $ms ms"
}

run close
run term
