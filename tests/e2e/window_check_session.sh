#!/usr/bin/env bash
# The part of window_check.sh that runs inside the Xvfb session.
set -euo pipefail

fail() {
  echo "FAIL: $*"
  exit 1
}

# Starts window-check (run name, then its arguments) and keeps its process id.
start() {
  local name=$1
  shift
  "$check" "$@" >"$work/$name.out" 2>"$work/$name.err" &
  echo $! >"$work/$name.pid"
}
window_of() {
  timeout 20 xdotool search --sync --name '^window-check$' | head -1
}
# Waits for the process and checks its exit status.
expect_exit_0() {
  local pid=$1 what=$2 status=0
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "$what did not end the program"; }
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$what ended the program with status $status"
  echo "ok   $what ends it with status 0"
}

# A waiting program sleeps: in 2 s it wakes at most twice (it used to wake 100 times a second).
# The events of its start and of the focus given it come late on a loaded machine, so it is
# measured once half a second has gone by without a wakeup (a program that never sleeps never
# gets there, and fails all the same).
sleeps() {
  local pid=$1 what=$2 before after
  wakeups() { cat /proc/"$pid"/task/*/status | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'; }
  before=$(wakeups)
  for _ in $(seq 20); do
    sleep 0.5
    after=$(wakeups)
    [ "$after" -eq "$before" ] && break
    before=$after
  done
  sleep 2
  after=$(wakeups)
  [ $((after - before)) -le 2 ] || fail "$what: the program woke $((after - before)) times in 2 s"
  echo "ok   $what: the program sleeps ($((after - before)) wakeups in 2 s)"
}

# Run 1: asleep at a blinking cursor, then type (the sleep ends at each key), look, close with the
# window manager's request.
start one --cursor
pid=$(cat "$work/one.pid")
id=$(window_of) || true
[ -n "$id" ] || fail "no window appeared: $(cat "$work/one.err")"
xdotool windowfocus --sync "$id"
sleeps "$pid" "at a blinking cursor"
xdotool type --delay 40 'ab1'
xdotool key --delay 40 Return BackSpace
for _ in $(seq 50); do
  [ "$(grep -c '^key ' "$work/one.out" || true)" -ge 5 ] && break
  sleep 0.1
done
expected='key s="a"
key s="b"
key s="1"
key s="\u000d"
key s="\u0008"'
[ "$(cat "$work/one.out")" = "$expected" ] || fail "keys read: $(cat "$work/one.out")"
echo "ok   each typed key read once"

"$check" --png "$work/expected.png" --keys 'ab1\r\b' --cursor
"$check" --png "$work/unechoed.png" --cursor
# The echo is shown on the next pass of the key loop; give it a moment.
for _ in $(seq 30); do
  import -window root "$work/shot.png"
  differ=$(compare -metric AE "$work/shot.png" "$work/expected.png" null: 2>&1 || true)
  [ "$differ" = "0" ] && break
  sleep 0.1
done
colours=$(identify -format '%k' "$work/shot.png")
[ "$colours" -gt 16 ] || fail "the screenshot is blank ($colours colours)"
[ "$differ" = "0" ] || fail "the window differs from the recording device's PNG in $differ pixels"
unechoed=$(compare -metric AE "$work/shot.png" "$work/unechoed.png" null: 2>&1 || true)
[ "$unechoed" -gt 100 ] || fail "the echo does not show ($unechoed pixels differ)"
echo "ok   the window shows the card and the echo, pixel for pixel as the PNG"

"$close" "$id" || fail "the window does not take the close request"
expect_exit_0 "$pid" "the window manager's close request"

# Runs 2 to 5: SIGTERM and SIGHUP (a closed terminal) at a key wait, and both ends of the wait
# the error screen makes.
for run in "two:term" "three:term:--until-closed" "four:close:--until-closed" "five:hup"; do
  IFS=: read -r name how mode <<<"$run"
  start "$name" $mode
  pid=$(cat "$work/$name.pid")
  id=$(window_of) || true
  [ -n "$id" ] || fail "no window appeared in run $name"
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || fail "run $name ended by itself"
  [ "$name" != three ] || sleeps "$pid" "at the error screen's wait"
  if [ "$how" = term ]; then
    kill -TERM "$pid"
    expect_exit_0 "$pid" "SIGTERM${mode:+ ($mode)}"
  elif [ "$how" = hup ]; then
    kill -HUP "$pid"
    expect_exit_0 "$pid" "SIGHUP"
  else
    "$close" "$id" || fail "the window does not take the close request"
    expect_exit_0 "$pid" "the window manager's close request${mode:+ ($mode)}"
  fi
done
