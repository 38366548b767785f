#!/usr/bin/env bash
# Checks the Debian package from scripts/package.sh the way a user meets it:
# its files and control fields, lintian, the menu entry and AppStream data, and
# the programs unpacked into a scratch folder (dpkg -x): kvx-cli, and the window
# in English and in Chinese with the unpacked catalogues.
#   packaging/check-package.sh [dist/kvx-config_*.deb]
# KVX_KEEP_SHOTS=DIR keeps the screenshots of the window there.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
kvx_install lintian desktop-file-utils appstream xdotool man-db

shopt -s nullglob
debs=(dist/kvx-config_*.deb)
deb=${1:-${debs[0]:-}}
[ -f "$deb" ] || { echo "No package: run scripts/package.sh first." >&2; exit 1; }
deb=$(realpath "$deb")
# The desktop's name for the program, typed once in the top-level CMakeLists.txt.
app_id=$(sed -n 's/^set(KVX_APP_ID \([a-z0-9.]*\))/\1/p' CMakeLists.txt)
# The version is typed once, in the top-level CMakeLists.txt.
version=$(sed -n 's/^project(kvx-config VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
title=KVX_$version

scratch=$(mktemp -d)
xvfb=
trap '[ -z "$xvfb" ] || { kill "$xvfb"; wait "$xvfb" || true; }; rm -rf "$scratch"' EXIT
# Read by an unprivileged user in the read-only check below.
chmod 755 "$scratch"

# The windows open on a virtual X server of their own, never on a desktop.
# Xvfb picks a free display itself (other builds may run theirs) and names it
# once it is ready; -ac lets the unprivileged user of the read-only check in.
Xvfb -noreset -displayfd 3 -screen 0 1024x768x24 -ac -nolisten tcp 3> "$scratch/display" 2> "$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 300); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start:" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$scratch/display")"
unset XAUTHORITY

passed=0
failed=0
check() {  # check "what" command...
  local what=$1
  shift
  if "$@" > "$scratch/check.out" 2>&1; then
    passed=$((passed + 1))
    echo "ok    $what"
  else
    failed=$((failed + 1))
    echo "FAIL  $what"
    sed 's/^/      /' "$scratch/check.out"
  fi
}

echo "Checking $deb"
dpkg-deb --contents "$deb" > "$scratch/contents"
lists() {  # lists PATH [LINK-TARGET]
  awk -v p="./usr/$1" -v t="${2:-}" '
    $6 == p && (t == "" ? NF == 6 : ($7 == "->" && $8 == t)) { found = 1 }
    END { exit !found }' "$scratch/contents"
}
check "lists lib/kvx-config/kvx-config" lists lib/kvx-config/kvx-config
check "lists the Chinese catalogue" lists lib/kvx-config/translations/chinese.qm
check "lists the English catalogue" lists lib/kvx-config/translations/english.qm
check "lists bin/kvx-config as a link to the window" lists bin/kvx-config ../lib/kvx-config/kvx-config
check "lists bin/kvx-cli" lists bin/kvx-cli
check "lists lib/kvx-config/kvx-print (labels and reports)" lists lib/kvx-config/kvx-print
check "lists bin/kvx-modemsim" lists bin/kvx-modemsim
check "lists the desktop entry" lists share/applications/$app_id.desktop
check "lists the icon" lists share/icons/hicolor/scalable/apps/$app_id.svg
for size in 16 24 32 48 64 128 256 512; do
  check "lists the ${size}x$size icon" lists share/icons/hicolor/${size}x$size/apps/$app_id.png
done
check "lists the bash completion" lists share/bash-completion/completions/kvx-cli
check "lists the AppStream metadata" lists share/metainfo/$app_id.metainfo.xml
for page in kvx-config kvx-cli kvx-modemsim; do
  check "lists the manual page of $page" lists share/man/man1/$page.1.gz
done
check "lists kvx-cli's manual page in Chinese" lists share/man/zh_CN/man1/kvx-cli.1.gz

field() { dpkg-deb --field "$deb" "$1"; }
check "Depends computed from the binaries" bash -c '[[ $(dpkg-deb --field "$1" Depends) == *libqt6widgets6* ]]' _ "$deb"
check "Depends on the SQLite driver (the default record)" bash -c '[[ $(dpkg-deb --field "$1" Depends) == *libqt6sql6-sqlite* ]]' _ "$deb"
check "PostgreSQL driver recommended, not required" bash -c \
  '[[ $(dpkg-deb --field "$1" Recommends) == *libqt6sql6-psql* && $(dpkg-deb --field "$1" Depends) != *psql* ]]' _ "$deb"
check "Depends on Qt's catalogues" bash -c '[[ $(dpkg-deb --field "$1" Depends) == *qt6-translations-l10n* ]]' _ "$deb"
for f in Maintainer Description Section Priority; do
  check "control field $f" test -n "$(field $f)"
done
check "version $version-1" test "$(field Version)" = "$version-1"
check "lintian reports no errors" lintian --fail-on error "$deb"

root=$scratch/root
dpkg -x "$deb" "$root"
check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "appstreamcli validate --pedantic" appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
# (Its own note on running as root goes to stderr and is no finding.)
check "lintian reports nothing but the first upload's bug" bash -c \
  'lintian "$1" 2>/dev/null | grep -v "initial-upload-closes-no-bugs" | { ! grep .; }' _ "$deb"
# The dock matches the window to its entry by its WM_CLASS.
check "the desktop entry names the window's class" grep -qx 'StartupWMClass=kvx-config' \
  "$root/usr/share/applications/$app_id.desktop"
for size in 16 48 256; do
  check "the ${size}x$size icon is that size" bash -c '[ "$(identify -format %wx%h "$1")" = "$2x$2" ]' _ \
    "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" "$size"
done
check "the manual pages format without warnings" bash -c \
  'for page in "$1"/usr/share/man/man1/*.1.gz "$1"/usr/share/man/zh_CN/man1/*.1.gz; do [ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)" ] || { man --warnings -l "$page" 2>&1 >/dev/null; exit 1; }; done' _ "$root"
check "the completion offers the commands" bash -c \
  'source "$1"; COMP_WORDS=(kvx-cli re); COMP_CWORD=1; _kvx_cli; [[ " ${COMPREPLY[*]} " == *" read "* && " ${COMPREPLY[*]} " == *" record "* ]]' \
  _ "$root/usr/share/bash-completion/completions/kvx-cli"

cli=$root/usr/bin/kvx-cli
check "kvx-cli --version" bash -c '[ "$("$1" --version)" = "kvx-cli $2" ]' _ "$cli" "$version"
check "kvx-config --version without a display" bash -c \
  '[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --version)" = "kvx-config $2" ]' _ "$root/usr/bin/kvx-config" "$version"
check "kvx-config --help names --port without a display" bash -c \
  'env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --help | grep -q -- --port' _ "$root/usr/bin/kvx-config"
check "kvx-cli speaks Chinese in zh_CN" bash -c \
  'LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 "$1" read 2>&1 | grep -qP "[\x{4e00}-\x{9fff}]"' _ "$cli"
check "kvx-cli ports" "$cli" ports
# kvx-cli finds its label helper where the package puts it.
printf 'time,port,product,module,mode,unit_address,network_address,work_mode,baud,link_rate,power,repeater,result,differences,attempt,station,operator,tool_version,pauses,serial\r\n2026-12-08 09:00:00,/dev/ttyUSB0,kv5,tarn,p2mp,2,25819,,,,,,verified,,a1,line-1,ann,2.0.7,specified,SN-1\r\n' >"$scratch/units.csv"
check "kvx-cli label through the installed kvx-print" env -u DISPLAY "$cli" label --record "$scratch/units.csv" --serial SN-1 --pdf "$scratch/label.pdf"

# Captures window ID into OUT once two captures in a row agree (painting is
# done) and, if UNLIKE is given, the picture is no longer that one.
capture() {  # capture ID OUT [UNLIKE]
  local id=$1 out=$2 unlike=${3:-} last= i
  for i in $(seq 150); do
    if timeout 20 import -window "$id" "$out.$i.png" 2>/dev/null; then
      if [ -n "$last" ] && [ "$(differing_pixels "$last" "$out.$i.png")" -le 50 ] &&
         { [ -z "$unlike" ] || [ "$(differing_pixels "$unlike" "$out.$i.png")" -gt 1000 ]; }; then
        mv "$out.$i.png" "$out"
        rm -f "$out".*.png
        return 0
      fi
      last=$out.$i.png
    fi
    sleep 0.2
  done
  rm -f "$out".*.png
  return 1
}
window_id() {  # window_id TITLE: polls for a window with that title
  local id
  for _ in $(seq 300); do
    id=$(xwininfo -name "$1" 2>/dev/null | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
# Starts PROGRAM in LOCALE, saves its main window to NAME.png and, after
# Ctrl+C swapped the form for the AT terminal, to NAME-terminal.png.
shoot() {  # shoot NAME LOCALE PROGRAM
  local name=$1 locale=$2 program=$3 id= app rc=0
  LC_ALL=$locale LANG=$locale "$program" > "$name.log" 2>&1 &
  app=$!
  if id=$(window_id "$title") && capture "$id" "$name.png"; then
    xdotool windowfocus --sync "$id" && xdotool key ctrl+c &&
      capture "$id" "$name-terminal.png" "$name.png" || { echo "no AT terminal after Ctrl+C"; rc=1; }
  else
    echo "no window $title from $program in $locale"
    rc=1
  fi
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  [ "$rc" -eq 0 ] || cat "$name.log"
  return "$rc"
}
# Pixels that differ beyond a little colour noise; pictures of different sizes
# differ everywhere.
differing_pixels() {
  if [ "$(identify -format %wx%h "$1")" != "$(identify -format %wx%h "$2")" ]; then
    identify -format '%[fx:w*h]\n' "$1"
    return
  fi
  compare -fuzz 5% -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}

shots=$scratch/shots
mkdir -p "$shots" "$scratch/bare"
# The same program without its catalogues beside it shows the untranslated
# texts: the catalogues, not the locale alone, make the English and the Chinese window.
cp "$root/usr/lib/kvx-config/kvx-config" "$scratch/bare/"
window=$root/usr/bin/kvx-config
check "window in English" shoot "$shots/en" en_US.UTF-8 "$window"
check "window in Chinese" shoot "$shots/zh" zh_CN.UTF-8 "$window"
check "window without catalogues" shoot "$shots/bare" zh_CN.UTF-8 "$scratch/bare/kvx-config"
differ() { [ -f "$1" ] && [ -f "$2" ] && [ "$(differing_pixels "$1" "$2")" -gt 1000 ]; }
check "English and Chinese windows differ" differ "$shots/en.png" "$shots/zh.png"
check "English window uses its catalogue" differ "$shots/en.png" "$shots/bare.png"
# The Chinese catalogue keeps the form's texts as they are; the terminal's it translates.
check "Chinese window uses its catalogue" differ "$shots/zh-terminal.png" "$shots/bare-terminal.png"
if [ -n "${KVX_KEEP_SHOTS:-}" ]; then
  mkdir -p "$KVX_KEEP_SHOTS"
  cp "$shots"/*.png "$KVX_KEEP_SHOTS"/ 2>/dev/null || true
fi

# Installed, the folder beside the program belongs to root: a user's session
# ends normally and leaves its cache folder alone without complaint.
cache=$root/usr/lib/kvx-config/temp
mkdir -p "$cache/sub"
echo cached > "$cache/sub/picture.png"
read_only_session() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$scratch" LC_ALL=en_US.UTF-8 \
    "$window" > "$scratch/ro.log" 2>&1 &
  local app=$! id
  id=$(window_id "$title") || { kill "$app" 2>/dev/null; cat "$scratch/ro.log"; return 1; }
  # Menu "Exit" (Ctrl+E) closes the window the way a user does.
  xdotool windowfocus --sync "$id"
  xdotool key ctrl+e
  for _ in $(seq 300); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  local rc=0
  if kill -0 "$app" 2>/dev/null; then
    kill "$app"
    echo "still running after Ctrl+E"
    rc=1
  fi
  wait "$app" || rc=$?
  cat "$scratch/ro.log"
  [ "$rc" -eq 0 ] || { echo "exit status $rc"; return 1; }
  [ -f "$cache/sub/picture.png" ] || { echo "cache emptied by an unprivileged user"; return 1; }
  ! grep -iE 'temp|denied|permission|cannot|could not|fail|error|warn' "$scratch/ro.log"
}
check "read-only install: closes quietly" read_only_session

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
