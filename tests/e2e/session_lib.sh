# Steps the end-to-end sessions share; sourced by the scripts that run inside Xvfb (and, for
# `fail` and `alive`, by fonts_caches.sh). They expect `work` (a scratch folder) and, for
# `expected`, `screens` (orvelle-screens) and `name` (its --program, orvelle by default).

fail() {
  echo "FAIL: $*"
  exit 1
}

# Whether process `pid` runs (it is not ended, waiting to be reaped).
alive() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) && [[ $stat != *") Z "* ]]
}

# How many pixels two images differ in (by more than `fuzz`, a share of the colour range, where
# it is set).
differ() {
  local n
  n=$(compare ${fuzz:+-fuzz "$fuzz"} -metric AE "$1" "$2" null: 2>&1 || true)
  # A count past a million comes in exponent form (1.29586e+06): read whole, it is not 1.
  awk -v n="${n%% *}" 'BEGIN { if (n ~ /^[0-9.]+(e\+[0-9]+)?$/) printf "%d\n", n; else print n }'
}

# Starts `program` (its output in $work/out and $work/err) and waits for its window, titled
# `title`; sets `pid` and `id`.
launch() {
  "$program" >"$work/out" 2>"$work/err" &
  pid=$!
  id=$(timeout 20 xdotool search --sync --name "^$1\$" | head -1) || true
  [ -n "$id" ] || fail "no window appeared: $(cat "$work/err")"
}

# Ends the program as the system does; it must end with status 0.
terminate() {
  local status=0
  kill -TERM "$pid"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status: $(cat "$work/err")"
}

# Types each number given and Enter after it, as a pupil chooses from a menu.
choose() {
  local n
  for n in "$@"; do
    xdotool type --delay 60 "$n"
    xdotool key --delay 60 Return
  done
}

# The last screen orvelle-screens renders for a key script.
expected() {
  local dir=$work/expected-$2
  "$screens" --program "${name:-orvelle}" --keys "$1" --png last --out "$dir" >/dev/null
  ls "$dir"/screen-*.png
}

# Waits until the window shows `png` but for the number field's blinking dot (a few dozen pixels).
shows() {
  local png=$1 what=$2 n=
  for _ in $(seq 50); do
    import -window root "$work/shot.png"
    n=$(differ "$work/shot.png" "$png")
    [ "$n" -lt 120 ] 2>/dev/null && { echo "ok   the window shows $what"; return; }
    sleep 0.1
  done
  fail "the window does not show $what ($n pixels differ)"
}
