#!/usr/bin/env bash
# Whatever fontconfig does with the configuration the programs are given (missing, unreadable, not
# a file, broken, without fonts or names; fontconfig waiting on a pipe, reading without end,
# crashing, running past its time) the programs say so on stderr in one line, fontconfig's own
# lines before it, within a few seconds, and go on with the system's fonts; a configuration named
# relative to the working directory is read from there; where the system's configuration fails
# too, or with no font at all, or none that draws Japanese, a program says so in one line and ends
# with status 1.
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
using="; using the system's fonts"
clock="is not done within 3 s"
# fontconfig's own lines, and the line that stands for those left out of too many.
theirs="^(Fontconfig |\([0-9]+ lines of fontconfig's left out\)$)"
processor="is not done within 2 s of processor time"

# Renders the main menu with the environment given; sets err (its stderr but fontconfig's lines)
# and png.
menu() {
  local name=$1
  shift
  env "$@" "$screens" --program orvelle --keys '' --png last --out "$work/$name" \
    2>"$work/$name.err" >/dev/null || fail "$name: orvelle-screens failed: $(cat "$work/$name.err")"
  err=$(grep -Ev "$theirs" "$work/$name.err" || true)
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

# The project's rules with more (its standard input) before their end.
with() {
  sed '/^<\/fontconfig>/d' "$config"
  cat
  echo '</fontconfig>'
}
sed '0,\|<\/match>|s||<\/matc>|' "$config" >"$work/broken.conf"
sed 's|IPAGothic|No Such Gothic|g' "$config" >"$work/renamed.conf"
echo '<no-such-element/>' | with >"$work/warned.conf"
mkfifo "$work/pipe.conf"
ln -s /dev/zero "$work/zero.conf"
ln -s loop-b.conf "$work/loop-a.conf"
ln -s loop-a.conf "$work/loop-b.conf"
# A string property tested against a boolean, or a number: fontconfig crashes as it matches.
crash() {
  printf '<?xml version="1.0"?>\n<fontconfig><dir>/usr/share/fonts</dir><match target="pattern">'
  printf '<test name="family">%s</test><edit name="family"><string>x</string></edit></match>' "$1"
  printf '</fontconfig>\n'
}
crash '<bool>true</bool>' >"$work/crash-bool.conf"
crash '<int>1</int>' >"$work/crash-int.conf"
[ "$(stat -c %s "$work/crash-bool.conf")" -eq 196 ] || fail "crash-bool.conf is not 196 bytes"
# A glob matched against every font path by backtracking, exponential in its stars.
echo '<selectfont><rejectfont><glob>*?*?*?*?*?*?*?Q</glob></rejectfont></selectfont>' |
  with >"$work/glob.conf"
# One <edit> of 15,000 nested <not>: fontconfig recurses until its stack overflows.
{
  printf '<match target="pattern"><edit name="family">'
  printf '<not>%.0s' $(seq 15000)
  printf '<bool>true</bool>'
  printf '</not>%.0s' $(seq 15000)
  printf '</edit></match>\n'
} | with >"$work/deep.conf"
for case in "missing:$work/nothing/fonts.conf:$work/nothing/fonts.conf is missing$using" \
  "loop:$work/loop-a.conf:$work/loop-a.conf cannot be read (Too many levels of symbolic links)$using" \
  "pipe:$work/pipe.conf:$work/pipe.conf is a named pipe, not a file or folder$using" \
  "zero:$work/zero.conf:$work/zero.conf is a character device, not a file or folder$using" \
  "broken:$work/broken.conf:$work/broken.conf cannot be parsed$using" \
  "empty:$work/empty.conf:$work/empty.conf finds no fonts$using" \
  "system:/etc/fonts/fonts.conf:/etc/fonts/fonts.conf loads but leaves the lessons' font names \"ｺﾞｼｯｸ\", \"ゴシック\", \"Times New Roman\" and \"MT Extra\" unmapped$using" \
  "crash-bool:$work/crash-bool.conf:$work/crash-bool.conf crashed fontconfig (signal 11)$using" \
  "crash-int:$work/crash-int.conf:$work/crash-int.conf crashed fontconfig (signal 11)$using" \
  "deep:$work/deep.conf:$work/deep.conf crashed fontconfig (signal 11)$using" \
  "renamed:$work/renamed.conf:No Such Gothic for \"ゴシック\" is not installed; using IPAGothic"; do
  IFS=: read -r name file said <<<"$case"
  menu "$name" ORVELLE_FONTS_CONF="$file"
  [ "$err" = "fonts: $said" ] || fail "$name: stderr says: $err"
  # fontconfig's own lines, where it printed any, come before ours.
  [ "$(tail -1 "$work/$name.err")" = "fonts: $said" ] || fail "$name: a line after ours"
  shown=$(text_pixels "$png")
  [ "$shown" -gt $((drawn * 9 / 10)) ] || fail "$name: the menu shows $shown pixels of text, not $drawn"
  echo "ok   $name fonts.conf: said in one line, and the text drawn"
done
# fontconfig's lines are said once: those of the trial where it failed, those of the load where
# it passed.
[ "$(grep -c 'mismatched tag' "$work/broken.err")" -eq 1 ] ||
  fail "broken: fontconfig's line said $(grep -c 'mismatched tag' "$work/broken.err") times"
menu warned ORVELLE_FONTS_CONF="$work/warned.conf"
[ -z "$err" ] || fail "warned: stderr says: $err"
[ "$(grep -c 'unknown element "no-such-element"' "$work/warned.err")" -eq 1 ] ||
  fail "warned: fontconfig's warning said other than once: $(cat "$work/warned.err")"
[ "$(text_pixels "$png")" -eq "$drawn" ] || fail "warned: not drawn with the project's faces"
echo "ok   fontconfig's lines said once, for a configuration it fails and one it warns about"

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

# Without a display a program ends right after its fonts. Run in folder `dir` with the
# environment given, under the sessions' memory limit, started by `launcher` where it is set;
# sets line (the first that is not fontconfig's), ms (when it came), rest (the lines after it),
# total (the ms to its end) and status.
launcher=()
headless() {
  local dir=$1 began pid
  shift
  began=$(date +%s%N)
  (cd "$dir" && ulimit -v $((1 << 20)) && exec timeout 60 "${launcher[@]}" env -u DISPLAY \
    -u WAYLAND_DISPLAY "$@" "$program") >/dev/null 2>"$work/first" &
  pid=$!
  while ! grep -Evq "$theirs" "$work/first" && kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
  ms=$((($(date +%s%N) - began) / 1000000))
  status=0
  wait "$pid" || status=$?
  total=$((($(date +%s%N) - began) / 1000000))
  line=$(grep -Ev "$theirs" "$work/first" | head -1)
  rest=$(grep -Ev "$theirs" "$work/first" | tail -n +2)
}
# The program goes on after its line, to the window it cannot open.
goes_on() {
  local what=$1 most=$2
  [ "$status" -eq 1 ] || fail "$what: status $status"
  [ "$rest" = "cannot open a window: no display" ] || fail "$what: then: $rest"
  [ "$ms" -lt "$most" ] || fail "$what: said after $ms ms"
  echo "ok   $what: said in one line after $ms ms, then status $status without a display"
}

status=0
err=$(env -u DISPLAY -u WAYLAND_DISPLAY ORVELLE_FONTS_CONF="$work/empty.conf" \
  FONTCONFIG_FILE="$work/empty.conf" timeout 20 "$program" 2>&1 >/dev/null | grep -Ev "$theirs") ||
  true
env -u DISPLAY -u WAYLAND_DISPLAY ORVELLE_FONTS_CONF="$work/empty.conf" \
  FONTCONFIG_FILE="$work/empty.conf" timeout 20 "$program" >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "with no font at all the program ended with status $status"
[ "$err" = "fonts: $work/empty.conf finds no fonts, and the system's $work/empty.conf too; cannot show the lessons" ] ||
  fail "with no font at all: $err"
echo "ok   no font at all: said in one line, and status 1"

# The system's configuration failing its trial too: one line, status 1, nothing after it.
headless "$work" ORVELLE_FONTS_CONF="$work/crash-bool.conf" FONTCONFIG_FILE="$work/crash-int.conf"
said="fonts: $work/crash-bool.conf crashed fontconfig (signal 11), and the system's"
said+=" $work/crash-int.conf too; cannot show the lessons"
[ "$line" = "$said" ] || fail "the system's failing too: $line"
[ "$status" -eq 1 ] && [ -z "$rest" ] || fail "the system's failing too: status $status, then $rest"
[ "$ms" -lt 2000 ] || fail "the system's failing too: said after $ms ms"
echo "ok   the system's configuration failing too: one line after $ms ms, and status 1"

# A sysroot, which fontconfig puts before every absolute path, with a pipe under it where the
# path named leads: the first look sees it.
root=$(realpath "$work")/root
mkdir -p "$root/conf"
mkfifo "$root/conf/fonts.conf"
headless "$work" FONTCONFIG_SYSROOT="$root" ORVELLE_FONTS_CONF=/conf/fonts.conf
said="fonts: /conf/fonts.conf ($root/conf/fonts.conf under FONTCONFIG_SYSROOT) is a named pipe,"
# The system's configuration is looked for under the sysroot too, where there is none: one line
# says both.
said+=" not a file or folder, and the system's /etc/fonts/fonts.conf finds no fonts; cannot show"
[ "$line" = "$said the lessons" ] || fail "a pipe under the sysroot: $line"
[ -z "$rest" ] || fail "a pipe under the sysroot: then: $rest"
[ "$status" -eq 1 ] && [ "$ms" -lt 2000 ] || fail "a pipe under the sysroot: status $status, $ms ms"
echo "ok   a pipe under the sysroot: one line after $ms ms, both said, and status 1"
headless "$work" ORVELLE_FONTS_CONF="$work/crash-bool.conf"
[ "$line" = "fonts: $work/crash-bool.conf crashed fontconfig (signal 11)$using" ] ||
  fail "crash-bool: $line"
goes_on "the 196-byte file that crashes fontconfig" 2000

# /lib and /bin are relative links (to usr/lib, usr/bin): fontconfig joins their folder's empty
# name to the target and opens usr/lib/ from the working directory.
if [ "$(readlink /lib)" = usr/lib ] && [ "$(readlink /bin)" = usr/bin ]; then
  mkdir -p "$work/from-lib/usr/lib" "$work/from-bin/usr/bin"
  mkfifo "$work/from-lib/usr/lib/10-x.conf"
  ln -s /dev/zero "$work/from-bin/usr/bin/10-x.conf"
  headless "$work/from-lib" ORVELLE_FONTS_CONF=/lib
  [ "$line" = "fonts: /lib $clock$using" ] || fail "/lib with a pipe in usr/lib: $line"
  goes_on "/lib, a pipe in usr/lib of the working directory" 4500
  headless "$work/from-bin" ORVELLE_FONTS_CONF=/bin
  # On a machine busy enough, the clock's limit comes first.
  [ "$line" = "fonts: /bin $processor$using" ] || [ "$line" = "fonts: /bin $clock$using" ] ||
    fail "/bin with usr/bin/10-x.conf a link to /dev/zero: $line"
  goes_on "/bin, usr/bin/10-x.conf a link to /dev/zero" 4500
else
  echo "skip /lib and /bin: not relative links to usr/lib and usr/bin on this machine"
fi

# A folder of 100,000 files, none a configuration, included a thousand times: fontconfig lists it
# once, well within the trial's time.
mkdir "$work/crowded"
(cd "$work/crowded" && seq 100000 | xargs touch)
seq 1000 | sed "s|.*|<include>$work/crowded</include>|" | with >"$work/crowded.conf"
headless "$work" ORVELLE_FONTS_CONF="$work/crowded.conf"
[ "$line" = "cannot open a window: no display" ] || fail "a folder included 1,000 times: $line"
[ "$ms" -lt 2000 ] || fail "a folder included 1,000 times: its fonts took $ms ms"
echo "ok   a folder of 100,000 files included 1,000 times: read, the fonts taking $ms ms"

# A long configuration (35,186 folders that do not exist, 1 MiB): fontconfig's parsing faults in
# pages as reading font files does, but it builds no caches, and its limits hold as they are.
{
  echo '<fontconfig>'
  seq 35186 | sed "s|.*|<dir>$work/nowhere/&</dir>|"
  echo '</fontconfig>'
} >"$work/dirs.conf"
headless "$work" ORVELLE_FONTS_CONF="$work/dirs.conf"
[ "$line" = "fonts: $work/dirs.conf $processor$using" ] || [ "$line" = "fonts: $work/dirs.conf $clock$using" ] ||
  fail "35,186 folders: $line"
goes_on "35,186 folders that do not exist, parsed: no caches said to be built" 4500

# A name with a newline and a terminal's escape in it is shown escaped: it forges no line.
headless "$work" ORVELLE_FONTS_CONF=$'odd\nfonts: all well\e[2J.conf'
[ "$line" = "fonts: $work/odd\\nfonts: all well\\x1b[2J.conf is missing$using" ] ||
  fail "a name with a newline: $line"
goes_on "a name with a newline and an escape, shown escaped" 2000

# Of many lines of fontconfig's, the first and the last are said: the error after 200 warnings.
{
  seq 200 | sed 's|.*|<no-such-element-&/>|'
  echo '<match></matc>'
} | with >"$work/chatty.conf"
headless "$work" ORVELLE_FONTS_CONF="$work/chatty.conf"
[ "$line" = "fonts: $work/chatty.conf cannot be parsed$using" ] || fail "200 warnings: $line"
grep -q '"no-such-element-1"' "$work/first" && grep -q "lines of fontconfig's left out)$" \
  "$work/first" && grep -q 'line 2[0-9][0-9]: mismatched tag' "$work/first" ||
  fail "200 warnings: fontconfig's first lines or its error not said: $(cat "$work/first")"
goes_on "200 warnings, then a mismatched tag: the first lines and the error said" 2000

# A folder whose only font file is 600 MiB (sparse): it maps, it is no font, and no line says
# more of memory than is true.
mkdir -p "$work/sparse" "$work/sparse-cache"
truncate -s 600M "$work/sparse/big.ttf"
printf '<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' "$work/sparse" \
  "$work/sparse-cache" >"$work/sparse.conf"
headless "$work" ORVELLE_FONTS_CONF="$work/sparse.conf"
[ "$line" = "fonts: $work/sparse.conf finds no fonts$using" ] || fail "a 600 MiB file: $line"
goes_on "a folder of one 600 MiB file" 2000

# The faces each configuration gives are loaded in its trial too. A face reached through a link
# whose target changes leaves its folder, and fontconfig's cache of it, as they were.
serif=$(find /usr/share/fonts -name LiberationSerif-Regular.ttf | head -1)
ipag=$(find /usr/share/fonts -name ipag.ttf | head -1)
[ -n "$serif" ] && [ -n "$ipag" ] || fail "IPAGothic or Liberation Serif is not installed"
mkdir -p "$work/linked" "$work/targets" "$work/linked-cache"
cp "$ipag" "$work/targets/ipag.ttf"
ln -s "$work/targets/ipag.ttf" "$work/linked/ipag.ttf"
ln -s "$serif" "$work/linked/"
sed -e "s|<dir>/usr/share/fonts</dir>|<dir>$work/linked</dir>|" -e '/<dir>\/usr\/local/d' \
  -e "s|<cachedir>/var/cache/fontconfig</cachedir>|<cachedir>$work/linked-cache</cachedir>|" \
  -e '/<cachedir prefix="xdg">/d' "$config" >"$work/linked.conf"
headless "$work" ORVELLE_FONTS_CONF="$work/linked.conf"
[ "$line" = "cannot open a window: no display" ] || fail "linked faces: $line"
gives="gives IPAGothic (Debian package fonts-ipafont-gothic), whose file $work/linked/ipag.ttf"
rm "$work/targets/ipag.ttf"
mkfifo "$work/targets/ipag.ttf"
headless "$work" ORVELLE_FONTS_CONF="$work/linked.conf"
[ "$line" = "fonts: $work/linked.conf $gives is a named pipe, not a font$using" ] ||
  fail "a face become a named pipe: $line"
goes_on "a face whose file became a named pipe" 2000
# Where the system's configuration gives the same face, both fail on it: one line, status 1.
rm "$work/targets/ipag.ttf"
headless "$work" ORVELLE_FONTS_CONF="$work/linked.conf" FONTCONFIG_FILE="$work/linked.conf"
said="fonts: $work/linked.conf $gives is missing, and the system's $work/linked.conf too;"
[ "$line" = "$said cannot show the lessons" ] || fail "a face gone from both: $line"
[ "$status" -eq 1 ] && [ -z "$rest" ] || fail "a face gone from both: status $status, then $rest"
echo "ok   a face gone that both configurations give: one line naming it and its package, status 1"

# A launcher that leaves SIGCHLD ignored: the trial still reaps and judges its child.
launcher=(perl -e '$SIG{CHLD} = "IGNORE"; exec @ARGV')
headless "$work" ORVELLE_FONTS_CONF="$work/crash-bool.conf"
launcher=()
[ "$line" = "fonts: $work/crash-bool.conf crashed fontconfig (signal 11)$using" ] ||
  fail "SIGCHLD ignored: $line"
goes_on "SIGCHLD ignored by the launcher, a crash" 2000

# A trial that cannot run is no verdict: without /proc (a container) and where fork is refused,
# the program goes on with its configuration.
echo 'mount -t tmpfs none /proc && exec "$@"' >"$work/no-proc.sh"
if unshare -rm sh "$work/no-proc.sh" true 2>/dev/null; then
  launcher=(unshare -rm sh "$work/no-proc.sh")
  headless "$work"
  [ "$line" = "cannot open a window: no display" ] || fail "without /proc: $line"
  headless "$work" ORVELLE_FONTS_CONF="$work/glob.conf"
  [ "$line" = "fonts: $work/glob.conf $processor$using" ] || [ "$line" = "fonts: $work/glob.conf $clock$using" ] ||
    fail "without /proc, a glob that backtracks: $line"
  goes_on "without /proc, a glob that backtracks" 4500
  launcher=()
else
  echo "skip without /proc: unshare cannot make a mount namespace here"
fi
if [ "$(id -u)" -eq 0 ]; then
  launcher=(setpriv --reuid=65534 --regid=65534 --clear-groups prlimit --nproc=1:1 --)
else
  launcher=(prlimit --nproc=1:1 --)
fi
headless / ORVELLE_FONTS_CONF="$config"
[ "$line" = "fonts: $config cannot be tried (Resource temporarily unavailable); loaded without it" ] ||
  fail "fork refused: $line"
goes_on "fork refused, the configuration loaded without its trial" 2000
launcher=()

# The programs themselves, in their window.
for tool in xvfb-run xauth xdotool import compare; do
  command -v "$tool" >/dev/null || fail "missing $tool (scripts/setup installs it)"
done
# Configurations that load, each with a folder of its own: one Latin face and no Japanese, or a
# face with the kana and no kanji, or the kanji and no kana.
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
# In the window as well: the glob; a named pipe among the font files of a folder, with no cache
# of it for fontconfig to read instead; a face gone.
mkdir -p "$work/piped-fonts" "$work/piped-cache"
mkfifo "$work/piped-fonts/x.ttf"
cp "$serif" "$work/piped-fonts/"
printf '<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' "$work/piped-fonts" \
  "$work/piped-cache" >"$work/piped.conf"
export program screens work using clock processor
export window_cases="glob:$work/glob.conf:$work/glob.conf $processor$using:$work/glob.conf $clock$using
piped:$work/piped.conf:$work/piped.conf $clock$using:
crash-bool:$work/crash-bool.conf:$work/crash-bool.conf crashed fontconfig (signal 11)$using:
deep:$work/deep.conf:$work/deep.conf crashed fontconfig (signal 11)$using:
pipe:$work/pipe.conf:$work/pipe.conf is a named pipe, not a file or folder$using:
linked:$work/linked.conf:$work/linked.conf $gives is missing$using:"
export theirs
xvfb-run -n "${ORVELLE_XVFB_FROM:-99}" -a -s "-screen 0 1440x900x24 -nolisten tcp" \
  bash "$(dirname "$0")/fonts_session.sh"
