#!/usr/bin/env bash
# Without the project's font configuration (missing, over 1 MiB, broken, or naming a face that is
# not installed) the programs say so on stderr in one line and still draw their texts with the
# system's fonts; a configuration named relative to the working directory is read from there; with
# no font at all, or none that draws Japanese, a program says so and ends with status 1.
set -euo pipefail
program=$1
screens=$2
config=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

# Renders the main menu with the environment given; sets err (its stderr) and png.
menu() {
  local name=$1
  shift
  env "$@" "$screens" --program orvelle --keys '' --png last --out "$work/$name" \
    2>"$work/$name.err" >/dev/null || fail "$name: orvelle-screens failed: $(cat "$work/$name.err")"
  err=$(grep -v '^Fontconfig ' "$work/$name.err" || true)
  png=$work/$name/screen-001.png
}
# Pixels of `png` that differ from the menu drawn with no font at all.
text_pixels() { compare -metric AE "$1" "$bare" null: 2>&1 || true; }

mkdir -p "$work/none" "$work/cache"
cat >"$work/empty.conf" <<CONF
<?xml version="1.0"?>
<fontconfig><dir>$work/none</dir><cachedir>$work/cache</cachedir></fontconfig>
CONF
menu bare ORVELLE_FONTS_CONF="$work/empty.conf" FONTCONFIG_FILE="$work/empty.conf"
bare=$png
menu normal
[ -z "$err" ] || fail "with the project's fonts: $err"
drawn=$(text_pixels "$png")
[ "$drawn" -gt 20000 ] || fail "the menu shows only $drawn pixels of text"

sed '0,\|<\/match>|s||<\/matc>|' "$config" >"$work/broken.conf"
sed 's|IPAGothic|No Such Gothic|g' "$config" >"$work/renamed.conf"
# Over 2 MiB of folders to look in, which fontconfig would parse for half a minute.
{
  sed '/<\/fontconfig>/d' "$config"
  seq 70000 | sed "s|.*|<dir>$work/none/&</dir>|"
  echo '</fontconfig>'
} >"$work/big.conf"
big_size=$(stat -c %s "$work/big.conf")
[ "$big_size" -gt $((2 << 20)) ] || fail "big.conf has only $big_size bytes"
for case in "missing:$work/nothing/fonts.conf:$work/nothing/fonts.conf is missing; using the system's fonts" \
  "broken:$work/broken.conf:$work/broken.conf cannot be read; using the system's fonts" \
  "empty:$work/empty.conf:$work/empty.conf finds no fonts; using the system's fonts" \
  "big:$work/big.conf:$work/big.conf is over 1 MiB ($big_size bytes) and refused; using the system's fonts" \
  "renamed:$work/renamed.conf:No Such Gothic for \"ゴシック\" is not installed; using IPAGothic"; do
  IFS=: read -r name file said <<<"$case"
  menu "$name" ORVELLE_FONTS_CONF="$file"
  [ "$err" = "fonts: $said" ] || fail "$name: stderr says: $err"
  shown=$(text_pixels "$png")
  [ "$shown" -gt $((drawn * 9 / 10)) ] || fail "$name: the menu shows $shown pixels of text, not $drawn"
  echo "ok   $name fonts.conf: said in one line, and the text drawn"
done

# Named relative to another working directory than the programs' own.
mkdir -p "$work/elsewhere"
cp "$config" "$work/elsewhere/alt.conf"
for form in alt.conf ./alt.conf; do
  (cd "$work/elsewhere" && menu "relative" ORVELLE_FONTS_CONF="$form" && echo "$err" >"$work/said")
  [ -z "$(cat "$work/said")" ] || fail "$form: stderr says: $(cat "$work/said")"
  shown=$(text_pixels "$work/relative/screen-001.png")
  [ "$shown" -eq "$drawn" ] || fail "$form: the menu shows $shown pixels of text, not $drawn"
  echo "ok   $form from another working directory: read, and the text drawn"
done

status=0
err=$(env -u DISPLAY -u WAYLAND_DISPLAY ORVELLE_FONTS_CONF="$work/empty.conf" \
  FONTCONFIG_FILE="$work/empty.conf" timeout 20 "$program" 2>&1 >/dev/null | grep -v '^Fontconfig ') ||
  true
env -u DISPLAY -u WAYLAND_DISPLAY ORVELLE_FONTS_CONF="$work/empty.conf" \
  FONTCONFIG_FILE="$work/empty.conf" timeout 20 "$program" >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "with no font at all the program ended with status $status"
grep -q '^fonts: no font found to draw text with' <<<"$err" || fail "with no font at all: $err"
echo "ok   no font at all: said, and status 1"

# The programs themselves, in their window.
for tool in xvfb-run xauth xdotool import compare; do
  command -v "$tool" >/dev/null || fail "missing $tool (scripts/setup installs it)"
done
# A configuration that loads, in a folder with one Latin face and no Japanese one.
mkdir -p "$work/latin"
serif=$(find /usr/share/fonts -name LiberationSerif-Regular.ttf | head -1)
[ -n "$serif" ] || fail "Liberation Serif is not installed (scripts/setup installs it)"
ln -s "$serif" "$work/latin/"
sed -e "s|<dir>/usr/share/fonts</dir>|<dir>$work/latin</dir>|" -e '/<dir>\/usr\/local/d' \
  -e "s|<cachedir>/var/cache/fontconfig</cachedir>|<cachedir>$work/cache</cachedir>|" \
  -e '/<cachedir prefix="xdg">/d' "$config" >"$work/latin.conf"
grep -q "<dir>$work/latin</dir>" "$work/latin.conf" || fail "latin.conf looks in no folder of its own"
export program screens work big_size
xvfb-run -a -s "-screen 0 1440x900x24 -nolisten tcp" bash "$(dirname "$0")/fonts_session.sh"
