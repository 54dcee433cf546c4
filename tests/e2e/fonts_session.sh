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
# Waits for its window.
window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvelle$' | head -1) || true
  [ -n "$id" ] || fail "$1: no window appeared: $(cat "$work/err")"
}
# Ends it as the system does (SIGTERM): status 0, and stderr as `said`.
stop() {
  local what=$1 said=$2 status=0
  kill -TERM "$pid"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$what: the program ended with status $status: $(cat "$work/err")"
  [ "$(cat "$work/err")" = "$said" ] || fail "$what: stderr says: $(cat "$work/err")"
}

for form in alt.conf ./alt.conf; do
  start "$work/elsewhere" ORVELLE_FONTS_CONF="$form"
  window "$form"
  shows "$(expected '' menu)" "the main menu with the faces of $form"
  stop "$form" ""
  echo "ok   $form from another working directory: read, not a word on stderr"
done

# Each refusal: its one line at once, then the window with the system's fonts, and nothing else.
while IFS=: read -r name file said; do
  began=$(date +%s%N)
  start "$work" ORVELLE_FONTS_CONF="$file"
  until [ -s "$work/err" ]; do
    kill -0 "$pid" 2>/dev/null || fail "$name: the program ended: $(cat "$work/err")"
    [ "$(since)" -lt 2000 ] || fail "$name: not refused in 2 s"
    sleep 0.01
  done
  said_ms=$(since)
  window "$name"
  window_ms=$(since)
  stop "$name" "fonts: $said"
  echo "ok   $name: refused in one line after $said_ms ms, the window up after $window_ms ms"
done <<<"$refusals_list"

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
