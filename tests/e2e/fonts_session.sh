#!/usr/bin/env bash
# The part of fonts.sh that runs inside the Xvfb session: orvelle started with each configuration.
set -euo pipefail
. "$(dirname "$0")/session_lib.sh"

# Address space for a program: a normal run reserves about 400 MiB; a configuration read without
# end would take all there is.
memory_kib=$((1 << 20))
# Starts orvelle in folder `dir` with the environment given; sets pid.
start() {
  local dir=$1
  shift
  (cd "$dir" && ulimit -v "$memory_kib" && exec env "$@" "$program") >"$work/out" 2>"$work/err" &
  pid=$!
}
# Milliseconds since `began`.
since() { echo $((($(date +%s%N) - began) / 1000000)); }
# Its stderr but fontconfig's own lines.
ours() { grep -Ev "$theirs" "$work/err" || true; }
# Waits for its window.
window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvelle$' | head -1) || true
  [ -n "$id" ] || fail "$1: no window appeared: $(cat "$work/err")"
}
# Ends it as the system does (SIGTERM): status 0, and our lines on stderr as `said`.
stop() {
  local what=$1 said=$2 status=0
  kill -TERM "$pid"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$what: the program ended with status $status: $(cat "$work/err")"
  [ "$(ours)" = "$said" ] || fail "$what: stderr says: $(cat "$work/err")"
}

for form in alt.conf ./alt.conf; do
  start "$work/elsewhere" ORVELLE_FONTS_CONF="$form"
  window "$form"
  shows "$(expected '' menu)" "the main menu with the faces of $form"
  stop "$form" ""
  echo "ok   $form from another working directory: read, not a word on stderr"
done

# A display slow to answer (its server stopped for 4 s as the program starts): the trial, done
# meanwhile, is judged by its answer, and the window shows the project's faces.
xvfb=$(pgrep -o -f "^Xvfb $DISPLAY( |\$)") || fail "no Xvfb serves $DISPLAY"
trap 'kill -CONT "$xvfb" 2>/dev/null || true' EXIT
kill -STOP "$xvfb"
start "$work"
sleep 4
kill -CONT "$xvfb"
window "a display slow to answer"
shows "$(expected '' menu)" "the main menu with the project's faces, its display slow to answer"
stop "a display slow to answer" ""
echo "ok   a display slow to answer for 4 s: not a word on stderr"
# SIGTERM ends it at once, though its display does not answer.
kill -STOP "$xvfb"
start "$work"
sleep 0.5
began=$(date +%s%N)
kill -TERM "$pid"
while alive "$pid" && [ "$(since)" -lt 2000 ]; do sleep 0.01; done
ended_ms=$(since)
kill -CONT "$xvfb"
status=0
wait "$pid" || status=$?
[ "$status" -eq 143 ] && [ "$ended_ms" -lt 1000 ] ||
  fail "SIGTERM as the display does not answer: status $status after $ended_ms ms"
echo "ok   SIGTERM as the display does not answer: ended by it after $ended_ms ms"

# Started with standard streams closed (by a launcher, a service): the project's faces; with all
# three closed and a file that does not parse, the window all the same.
for closed in '>&- 2>&-' '<&- 2>&-' '<&- >&- 2>&-:broken'; do
  IFS=: read -r closed conf <<<"$closed"
  (cd "$work" && ulimit -v "$memory_kib" && export ORVELLE_FONTS_CONF=${conf:+$work/$conf.conf} &&
    eval "exec \"\$program\" $closed") &
  pid=$!
  window "streams closed ($closed)"
  [ -n "$conf" ] || shows "$(expected '' menu)" "the main menu with the project's faces, $closed"
  kill -TERM "$pid"
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "streams closed ($closed): status $status"
  echo "ok   started with $closed${conf:+ and $conf.conf}: the window, ended with status 0"
done

# Each configuration not loaded: its one line within the trial's time, then the window with the
# system's fonts, and nothing else of ours.
while IFS=: read -r name file said other; do
  # The clock's limit, 3 s; a glob backtracking as fontconfig builds its font set is held to 2 s
  # of the processor, which a busy machine gives it more slowly.
  most=4500
  [ "$name" != glob ] || most=15000
  began=$(date +%s%N)
  start "$work" ORVELLE_FONTS_CONF="$file"
  until [ -n "$(ours)" ]; do
    kill -0 "$pid" 2>/dev/null || fail "$name: the program ended: $(cat "$work/err")"
    [ "$(since)" -lt "$most" ] || fail "$name: not said in $most ms"
    sleep 0.01
  done
  said_ms=$(since)
  window "$name"
  window_ms=$(since)
  # A trial the processor's limit ends may meet the clock's first on a busy machine.
  [ -n "$other" ] && [ "$(ours)" = "fonts: $other" ] && said=$other
  stop "$name" "fonts: $said"
  echo "ok   $name: said in one line after $said_ms ms, the window up after $window_ms ms"
done <<<"$window_cases"

# The system's configuration failing its trial too: the one line, status 1, and no window.
status=0
began=$(date +%s%N)
(ulimit -v "$memory_kib" && ORVELLE_FONTS_CONF="$work/crash-bool.conf" \
  FONTCONFIG_FILE="$work/crash-int.conf" exec timeout 20 "$program") >"$work/out" 2>"$work/err" ||
  status=$?
elapsed=$(since)
said="fonts: $work/crash-bool.conf crashed fontconfig (signal 11), and the system's"
said+=" $work/crash-int.conf too; cannot show the lessons"
[ "$status" -eq 1 ] || fail "the system's failing too: status $status: $(cat "$work/err")"
[ "$(ours)" = "$said" ] || fail "the system's failing too: stderr says: $(cat "$work/err")"
if xdotool search --onlyvisible --name '^Orvelle$' >/dev/null 2>&1; then
  fail "the system's failing too: a window was opened"
fi
echo "ok   the system's configuration failing too: one line and status 1 after $elapsed ms, no window"

# Without a face for the lessons' Japanese: the one line naming the package, status 1, at once.
said="fonts: no font found to draw Japanese text with: IPAGothic is missing (Debian package"
said+=" fonts-ipafont-gothic); cannot show the lessons"
for name in latin kana-only kanji-only; do
  status=0
  began=$(date +%s%N)
  (ulimit -v "$memory_kib" && ORVELLE_FONTS_CONF="$work/$name.conf" exec timeout 20 "$program") \
    >"$work/out" 2>"$work/err" || status=$?
  elapsed=$(since)
  [ "$status" -eq 1 ] || fail "$name face: the program ended with status $status: $(cat "$work/err")"
  [ "$(cat "$work/err")" = "$said" ] || fail "$name face: stderr says: $(cat "$work/err")"
  [ "$elapsed" -lt 2000 ] || fail "$name face: the line came after $elapsed ms"
  echo "ok   $name face: only the font and its package said, and status 1, after $elapsed ms"
done
