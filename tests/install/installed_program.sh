#!/usr/bin/env bash
# Installs the built program into a staging folder as the package does (prefix
# /usr), checks the desktop entry and AppStream data with the desktop's own
# validators, then starts the installed Program as a user would: under a virtual
# X server, with a home folder of its own and nothing beside the executable.
# Usage: installed_program.sh <build folder> <application id> <artifact folder>
set -euo pipefail
build=$1
app_id=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "install test: $*" >&2
    exit 1
}

root="$work/root"
prefix="$root/usr"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; }

share="$prefix/share"
for file in bin/Program bin/program-cli bin/radio-sim \
    share/program/{English.rcc,Chinese.rcc,enHelp.qch,chHelp.qch,Program.ini} \
    share/program/{startup.bmp,title.ico,background.bmp} \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    "share/mime/packages/$app_id.xml" "share/icons/hicolor/scalable/apps/$app_id.svg" \
    share/man/man1/{Program,program-cli,radio-sim}.1.gz \
    share/doc/program/examples/60-program-cables.rules; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -s "$share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "no ${size}px icon"
done
[ ! -e "$prefix/bin/Program.ini" ] || fail "a Program.ini beside the installed program"
default="$share/program/Program.ini"
[ "$(stat -c %a "$default")" = 444 ] || fail "the default Program.ini is not read-only"
gzip -t "$share"/man/man1/*.1.gz || fail "a manual page is no gzip file"
zcat "$share/man/man1/program-cli.1.gz" | grep -q '^\.SH FILES' || fail "program-cli(1) has no FILES"

desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
grep -qx "Icon=$app_id" "$share/applications/$app_id.desktop" || fail "the entry names another icon"

# A user of its own, who has never started the program.
home="$work/home"
mkdir -p "$home"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
user_ini="$XDG_CONFIG_HOME/Program/Program.ini"
# The shipped default sets EnableSql; without the line, the program's own write at
# exit shows in the user's copy.
chmod u+w "$default"
sed -i '/^EnableSql=/d' "$default"
chmod a-w "$default"
default_before=$(sha256sum <"$default")

"$prefix/bin/program-cli" --version >"$work/version" || fail "program-cli --version"
grep -qF "settings: $default (the installed default" "$work/version" ||
    { cat "$work/version"; fail "program-cli --version does not name the default"; }

export QT_QPA_PLATFORM=xcb
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/../gui/shell/x11-leaks.supp"
inner="$work/inner.sh"
cat >"$inner" <<'INNER'
set -euo pipefail
program=$1
artifacts=$2
for _ in $(seq 1 300); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "the virtual X server never answered"; exit 1; }
"$program" --no-splash &
pid=$!
# The main window is the one as wide as the screen: a message box that the
# language pack is missing would be a window of the program too.
main_window() {
    local id width
    for id in $(xdotool search --onlyvisible --class '^Program$' 2>/dev/null); do
        width=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
        if [ "${width:-0}" -ge 800 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
window=""
for _ in $(seq 1 300); do
    window=$(main_window || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "Program ended before showing its main window"; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "no main window within 30 s"; kill "$pid"; exit 1; }
sleep 1
import -window root "$artifacts/installed-main-window.png"
# F1 opens the manual from the installed folder.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key F1
help=""
for _ in $(seq 1 100); do
    help=$(xdotool search --onlyvisible --name '^Help$' 2>/dev/null | head -n 1 || true)
    [ -n "$help" ] && break
    sleep 0.1
done
[ -n "$help" ] || { echo "F1 opened no help window"; kill "$pid"; exit 1; }
sleep 1
import -window root "$artifacts/installed-help.png"
xdotool windowclose "$help" 2>/dev/null || true
sleep 0.3
# File > Exit, as a user closes it.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+f
sleep 0.3
xdotool key x 2>/dev/null || true
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "Program did not close from File > Exit"
    kill "$pid"
    exit 1
fi
wait "$pid"
INNER
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" \
    bash "$inner" "$prefix/bin/Program" "$artifacts" || fail "the installed Program"

[ -f "$user_ini" ] || fail "no Program.ini of the user's own at $user_ini"
grep -q '^Language=English' "$user_ini" || fail "the user's copy does not hold the default's values"
grep -q '^EnableSql=0' "$user_ini" || fail "EnableSql was not written to the user's copy at exit"
[ "$(sha256sum <"$default")" = "$default_before" ] || fail "the installed default changed"
"$prefix/bin/program-cli" --version | grep -qF "settings: $user_ini (the user's own)" ||
    fail "program-cli --version does not name the user's copy"
echo "install test: passed; screenshots in $artifacts"
