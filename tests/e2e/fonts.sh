#!/usr/bin/env bash
# Without the project's font configuration (missing, broken, or naming a face that is not
# installed) the programs say so on stderr in one line and still draw their texts with the
# system's fonts; with no font at all a program says so and ends with status 1.
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
for case in "missing:$work/nothing/fonts.conf:$work/nothing/fonts.conf is missing; using the system's fonts" \
  "broken:$work/broken.conf:$work/broken.conf cannot be read; using the system's fonts" \
  "empty:$work/empty.conf:$work/empty.conf finds no fonts; using the system's fonts" \
  "renamed:$work/renamed.conf:No Such Gothic for \"ゴシック\" is not installed; using IPAGothic"; do
  IFS=: read -r name file said <<<"$case"
  menu "$name" ORVELLE_FONTS_CONF="$file"
  [ "$err" = "fonts: $said" ] || fail "$name: stderr says: $err"
  shown=$(text_pixels "$png")
  [ "$shown" -gt $((drawn * 9 / 10)) ] || fail "$name: the menu shows $shown pixels of text, not $drawn"
  echo "ok   $name fonts.conf: said in one line, and the text drawn"
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
