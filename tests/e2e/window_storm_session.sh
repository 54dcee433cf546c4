#!/usr/bin/env bash
# The part of window_storm.sh that runs inside the Xvfb session.
set -euo pipefail
. "$(dirname "$0")/session_lib.sh"
name=apply

# Starts the program and takes it to item ③'s still balance; sets `pid` and `id`.
start() {
  launch 'Orvelle Apply'
  xdotool windowfocus --sync "$id"
  choose 3 3
  shows "$still" "item ③'s still balance"
}

still=$(expected '3\r3\r' still)
# Three keys start the sinking run and end the two key waits after it: 26 frames of 50 ms, then
# the item waits for a key.
rest=$(expected '3\r3\r   ' rest)

# The fresh start: its window at the screen's size from the first frame on.
start
xdotool key --delay 10 space space space
shows "$rest" "the balance at rest after a fresh start"
import -window root "$work/fresh.png"
terminate

for round in 1 2 3 4; do
  start
  xdotool key --delay 10 space space space
  # Random sizes for 2 s (the beam moves for about 1.3 s of it), in bursts of up to 10, each
  # burst made by one xdotool so that its sizes come in order; a few pixels wide a quarter of the
  # time. Then the screen's size again.
  end=$(($(date +%s%N) + 2000000000))
  n=0
  while [ "$(date +%s%N)" -lt "$end" ]; do
    burst=()
    for _ in $(seq $((1 + RANDOM % 10))); do
      if [ $((RANDOM % 4)) -eq 0 ]; then
        burst+=(windowsize "$id" $((1 + RANDOM % 8)) $((1 + RANDOM % 8)))
      else
        burst+=(windowsize "$id" $((1 + RANDOM % 1440)) $((1 + RANDOM % 900)))
      fi
      n=$((n + 1))
    done
    xdotool "${burst[@]}"
  done
  xdotool windowsize --sync "$id" 1440 900 2>/dev/null || xdotool windowsize "$id" 1440 900
  geometry=$(xdotool getwindowgeometry "$id" | awk '/Geometry/ { print $2 }')
  [ "$geometry" = 1440x900 ] || fail "round $round: the window is $geometry after the storm"
  kill -0 "$pid" 2>/dev/null || fail "round $round: the program ended: $(cat "$work/err")"
  since=$(date +%s%N)
  shows "$work/fresh.png" "round $round: after $n sizes what a fresh start shows"
  echo "     ($((($(date +%s%N) - since) / 1000000)) ms after the last size)"
  terminate
done
