#!/usr/bin/env bash
# A first start that must build the caches of many font files (10,000 in one folder, whose cache
# fontconfig writes only once it has read them all) finishes them, says so and goes on; the next
# start reads them, quietly. A program ended by a signal during its trial ends at once, leaves no
# process behind, and nothing that keeps fontconfig from caching: killed outright as its trial
# writes a cache, it leaves a lock, which the next start clears.
set -euo pipefail
program=$1
config=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/session_lib.sh"
theirs="^(Fontconfig |\([0-9]+ lines of fontconfig's left out\)$)"
serif=$(find /usr/share/fonts -name LiberationSerif-Regular.ttf | head -1)
[ -n "$serif" ] || fail "Liberation Serif is not installed"

# Starts the program without a display, with the environment given and the signals a shell's
# background job ignores given back; sets pid and began.
start() {
  began=$(date +%s%N)
  env -u DISPLAY -u WAYLAND_DISPLAY "$@" env --default-signal=INT,QUIT "$program" >/dev/null \
    2>"$work/err" &
  pid=$!
}
ms() { echo $((($(date +%s%N) - began) / 1000000)); }
# Waits for it to end; sets status, and ms to the end from `began`.
finish() {
  status=0
  { wait "$pid"; } 2>/dev/null || status=$?  # not the shell's word on how it ended
  ended_ms=$(ms)
}
ours() { grep -Ev "$theirs" "$work/err" || true; }
left() { ls "$1" | grep -E '\.(LCK|NEW|TMP-.*)$' || true; }

# Ended by a signal while its trial waits on a named pipe among the font files (3 s of the clock):
# at once, by that signal, its trial's child gone.
mkdir -p "$work/piped-fonts" "$work/piped-cache"
mkfifo "$work/piped-fonts/x.ttf"
cp "$serif" "$work/piped-fonts/"
printf '<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' "$work/piped-fonts" \
  "$work/piped-cache" >"$work/piped.conf"
for signal in TERM INT HUP QUIT USR1 KILL; do
  start ORVELLE_FONTS_CONF="$work/piped.conf"
  children=
  until [ -n "$children" ]; do children=$(pgrep -P "$pid" || true); done
  sleep 0.2
  began=$(date +%s%N)
  kill -"$signal" "$pid"
  finish
  [ "$status" -eq $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal during a trial: status $status"
  [ "$ended_ms" -lt 1000 ] || fail "SIG$signal during a trial: it ended after $ended_ms ms"
  sleep 0.1
  for child in $children; do
    ! alive "$child" ||
      fail "SIG$signal during a trial: its child $child is left running"
  done
  echo "ok   SIG$signal during a trial: ended by it after $ended_ms ms, no process left behind"
done

mkdir "$work/many" "$work/many-cache"
perl -e 'for (1 .. 10000) { link($ARGV[0], "$ARGV[1]/$_.ttf") or symlink($ARGV[0], "$ARGV[1]/$_.ttf") or die }' \
  "$serif" "$work/many"
sed -e "s|<dir>/usr/local/share/fonts</dir>|<dir>$work/many</dir>|" \
  -e "s|<cachedir>/var/cache/fontconfig</cachedir>|<cachedir>$work/many-cache</cachedir>|" \
  -e '/<cachedir prefix="xdg">/d' "$config" >"$work/many.conf"
# Starts a first start and sends it `signal` as soon as its trial locks the folder's cache to
# write it: once it says it is building (the small folders' caches, written first, are done).
as_it_writes() {
  local signal=$1
  start ORVELLE_FONTS_CONF="$work/many.conf"
  until grep -q "building the font caches" "$work/err" && compgen -G "$work/many-cache/*.LCK" \
    >/dev/null; do
    kill -0 "$pid" 2>/dev/null || fail "SIG$signal: the program ended before its cache was written"
  done
  kill -"$signal" "$pid"
  finish
  [ "$status" -eq $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal as it writes: status $status"
}
as_it_writes QUIT
[ -z "$(left "$work/many-cache")" ] || fail "SIGQUIT as it writes: left $(left "$work/many-cache")"
echo "ok   SIGQUIT as the trial writes a cache: nothing left behind"
as_it_writes KILL
[ -n "$(left "$work/many-cache")" ] || fail "SIGKILL as it writes: no lock left to clear"
echo "ok   SIGKILL as the trial writes a cache: its lock left, $(left "$work/many-cache" | tr '\n' ' ')"

# The next start clears that lock, builds the caches, says so and goes on; the one after it reads
# them, quietly.
start ORVELLE_FONTS_CONF="$work/many.conf"
finish
[ "$(ours)" = "fonts: building the font caches
cannot open a window: no display" ] || fail "10,000 font files: $(cat "$work/err")"
[ "$status" -eq 1 ] || fail "10,000 font files: status $status"
[ -z "$(left "$work/many-cache")" ] || fail "10,000 font files: left $(left "$work/many-cache")"
echo "ok   10,000 font files without a cache: built in $ended_ms ms, said, then no display"
start ORVELLE_FONTS_CONF="$work/many.conf"
finish
[ "$(ours)" = "cannot open a window: no display" ] && [ "$ended_ms" -lt 2000 ] ||
  fail "10,000 font files, the second start: $(ours), after $ended_ms ms"
echo "ok   10,000 font files, the second start: their caches read, quiet, in $ended_ms ms"
