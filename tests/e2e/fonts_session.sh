#!/usr/bin/env bash
# The part of fonts.sh that runs inside the Xvfb session: orvelle started with each configuration.
set -euo pipefail
. "$(dirname "$0")/session_lib.sh"

# Starts orvelle in folder `dir` with the environment given; sets pid.
start() {
  local dir=$1
  shift
  (cd "$dir" && exec env "$@" "$program") >"$work/out" 2>"$work/err" &
  pid=$!
}
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

said="fonts: $work/big.conf is over 1 MiB ($big_size bytes) and refused; using the system's fonts"
began=$(date +%s%N)
start "$work" ORVELLE_FONTS_CONF="$work/big.conf"
until grep -q refused "$work/err"; do
  kill -0 "$pid" 2>/dev/null || fail "2 MiB configuration: the program ended: $(cat "$work/err")"
  [ $(($(date +%s%N) - began)) -lt 2000000000 ] || fail "2 MiB configuration: not refused in 2 s"
  sleep 0.02
done
window "2 MiB configuration"
elapsed=$((($(date +%s%N) - began) / 1000000))
stop "2 MiB configuration" "$said"
echo "ok   a 2 MiB configuration: refused in one line, the window up with the system's fonts in $elapsed ms"

status=0
ORVELLE_FONTS_CONF="$work/latin.conf" timeout 20 "$program" >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || fail "without Japanese the program ended with status $status"
said="fonts: no font found to draw Japanese text with: IPAGothic is missing (Debian package"
said+=" fonts-ipafont-gothic); cannot show the lessons"
err=$(grep -v '^Fontconfig ' "$work/err" || true)
[ "$(tail -n 1 <<<"$err")" = "$said" ] || fail "without Japanese: stderr says: $err"
! grep -q "system's fonts" <<<"$err" || fail "without Japanese the system's fonts stood in: $err"
echo "ok   no face that draws Japanese: the font and its package said, and status 1"
