#!/usr/bin/env bash
# Without the project's font configuration (missing, unreadable, broken, refused: a device, a pipe
# or over 256 KiB among the files it reads, each found where fontconfig finds it; or naming a face
# that is not installed) the programs say so on stderr in one line, at once, and still draw their
# texts with the system's fonts; a configuration named relative to the working directory is read
# from there; with no font at all, or none that draws Japanese, a program says so in one line and
# ends with status 1.
set -euo pipefail
program=$1
screens=$2
config=$3
faces=$4  # kana-only.ttf and kanji-only.ttf, cut from IPAGothic
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
# What fontconfig would wait on or read without end: in a folder beside the project's file, or
# named by an include in it.
includes() { sed "s|^<fontconfig>|<fontconfig><include>$1</include>|" "$config"; }
mkdir -p "$work/zero" "$work/piped"
cp "$config" "$work/zero/10-fonts.conf"
ln -s /dev/zero "$work/zero/20-zero.conf"
cp "$config" "$work/piped/10-fonts.conf"
mkfifo "$work/piped/20-pipe.conf" "$work/pipe.conf"
includes "$work/pipe.conf" >"$work/includes-pipe.conf"
truncate -s 16M "$work/huge.conf"
includes "$work/huge.conf" >"$work/includes-huge.conf"
huge_sum=$(($(stat -c %s "$work/includes-huge.conf") + (16 << 20)))
ln -s loop-b.conf "$work/loop-a.conf"
ln -s loop-a.conf "$work/loop-b.conf"
# A link fontconfig reads itself, joining its target to the link's folder as written: with a/d a
# link to ../other/real, a/d/x.conf (a link to ../y.conf) is a/y.conf to fontconfig, a pipe or
# /dev/zero here, where the system goes to other/y.conf, the project's file. Named, reached as a
# folder's file (f/10-d.conf is a link to ../a/d), or included.
for kind in pipe zero; do
  links=$work/links-$kind
  mkdir -p "$links/other/real" "$links/a" "$links/f"
  cp "$config" "$links/other/y.conf"
  ln -s ../other/real "$links/a/d"
  ln -s ../y.conf "$links/other/real/x.conf"
  ln -s ../y.conf "$links/other/real/10-x.conf"
  ln -s ../a/d "$links/f/10-d.conf"
  includes "$links/a/d/x.conf" >"$links/includes.conf"
done
mkfifo "$work/links-pipe/a/y.conf"
ln -s /dev/zero "$work/links-zero/a/y.conf"
using="; using the system's fonts"
refusals=(
  "zero:$work/zero:$work/zero is refused: $work/zero/20-zero.conf is a character device, not a file or folder$using"
  "piped:$work/piped:$work/piped is refused: $work/piped/20-pipe.conf is a named pipe, not a file or folder$using"
  "includes-pipe:$work/includes-pipe.conf:$work/includes-pipe.conf is refused: $work/pipe.conf is a named pipe, not a file or folder$using"
  "includes-huge:$work/includes-huge.conf:$work/includes-huge.conf is over 256 KiB with the files it reads ($huge_sum bytes up to $work/huge.conf) and refused$using"
  "big:$work/big.conf:$work/big.conf is over 256 KiB ($big_size bytes) and refused$using"
)
for kind in "pipe:a named pipe" "zero:a character device"; do
  links=$work/links-${kind%%:*}
  opened="$links/a/y.conf (the link $links/a/d"
  refused="is refused: $opened/x.conf as fontconfig reads it) is ${kind#*:}, not a file or folder"
  refusals+=(
    "links-${kind%%:*}:$links/a/d/x.conf:$links/a/d/x.conf $refused$using"
    "links-${kind%%:*}-included:$links/includes.conf:$links/includes.conf $refused$using"
    "links-${kind%%:*}-folder:$links/f:$links/f ${refused/x.conf/10-x.conf}$using"
  )
done
for case in "missing:$work/nothing/fonts.conf:$work/nothing/fonts.conf is missing$using" \
  "broken:$work/broken.conf:$work/broken.conf cannot be parsed$using" \
  "empty:$work/empty.conf:$work/empty.conf finds no fonts$using" \
  "loop:$work/loop-a.conf:$work/loop-a.conf cannot be read (Too many levels of symbolic links)$using" \
  "system:/etc/fonts/fonts.conf:/etc/fonts/fonts.conf loads but leaves the lessons' font names \"ｺﾞｼｯｸ\", \"ゴシック\", \"Times New Roman\" and \"MT Extra\" unmapped$using" \
  "${refusals[@]}" \
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

# Without a display a program ends right after its fonts, its first line telling how long they
# took. Run with the environment given, under the sessions' memory limit; sets line (the first
# that is not fontconfig's) and ms (when it came).
first_line() {
  local began pid
  began=$(date +%s%N)
  (ulimit -v $((1 << 20)) && exec env -u DISPLAY -u WAYLAND_DISPLAY "$@" timeout 20 "$program") \
    >/dev/null 2>"$work/first" &
  pid=$!
  while ! grep -qv '^Fontconfig ' "$work/first" && kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
  ms=$((($(date +%s%N) - began) / 1000000))
  wait "$pid" || true
  line=$(grep -v '^Fontconfig ' "$work/first" | head -1)
}
# A sysroot, which fontconfig puts before every absolute path, with a pipe under it where the
# path named leads.
root=$(realpath "$work")/root
mkdir -p "$root/conf"
mkfifo "$root/conf/fonts.conf"
first_line FONTCONFIG_SYSROOT="$root" ORVELLE_FONTS_CONF=/conf/fonts.conf
said="fonts: /conf/fonts.conf is refused: $root/conf/fonts.conf is a named pipe, not a file or"
[ "$line" = "$said folder$using" ] || fail "a pipe under the sysroot: $line"
[ "$ms" -lt 2000 ] || fail "a pipe under the sysroot: refused after $ms ms"
echo "ok   a pipe under the sysroot: refused in one line after $ms ms"
# A folder of 100,000 files, none a configuration, included a thousand times: fontconfig lists it
# once, and so does the check.
mkdir "$work/crowded"
(cd "$work/crowded" && seq 100000 | xargs touch)
{
  sed '/<\/fontconfig>/d' "$config"
  seq 1000 | sed "s|.*|<include>$work/crowded</include>|"
  echo '</fontconfig>'
} >"$work/crowded.conf"
first_line ORVELLE_FONTS_CONF="$work/crowded.conf"
[ "$line" = "cannot open a window: no display" ] || fail "a folder included 1,000 times: $line"
[ "$ms" -lt 2000 ] || fail "a folder included 1,000 times: its fonts took $ms ms"
echo "ok   a folder of 100,000 files included 1,000 times: read, the fonts taking $ms ms"

# The programs themselves, in their window.
for tool in xvfb-run xauth xdotool import compare; do
  command -v "$tool" >/dev/null || fail "missing $tool (scripts/setup installs it)"
done
# Configurations that load, each with a folder of its own: one Latin face and no Japanese, or a
# face with the kana and no kanji, or the kanji and no kana.
serif=$(find /usr/share/fonts -name LiberationSerif-Regular.ttf | head -1)
[ -n "$serif" ] || fail "Liberation Serif is not installed (scripts/setup installs it)"
for face in "latin:$serif" "kana-only:$faces/kana-only.ttf" "kanji-only:$faces/kanji-only.ttf"; do
  IFS=: read -r name file <<<"$face"
  [ -f "$file" ] || fail "no face $file"
  mkdir -p "$work/$name"
  ln -s "$file" "$work/$name/"
  sed -e "s|<dir>/usr/share/fonts</dir>|<dir>$work/$name</dir>|" -e '/<dir>\/usr\/local/d' \
    -e "s|<cachedir>/var/cache/fontconfig</cachedir>|<cachedir>$work/cache</cachedir>|" \
    -e '/<cachedir prefix="xdg">/d' "$config" >"$work/$name.conf"
  grep -q "<dir>$work/$name</dir>" "$work/$name.conf" || fail "$name.conf looks in no folder of its own"
done
export program screens work
export refusals_list=$(printf '%s\n' "${refusals[@]}")
xvfb-run -a -s "-screen 0 1440x900x24 -nolisten tcp" bash "$(dirname "$0")/fonts_session.sh"
