#!/usr/bin/env bash
# Installs the built program into a staging folder as the package does (prefix
# /usr), checks the desktop entry and AppStream data with the desktop's own
# validators, then starts the installed Program under a virtual X server with a
# home folder of its own and nothing beside the executable.
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

# Started as a user starts it: it must find its packs in share/program to show its
# main window, and it writes its settings back when closed from File > Exit.
"$here/../gui/shell/program_smoke.sh" "$prefix/bin/Program" "$artifacts" || fail "the installed Program"

[ -f "$user_ini" ] || fail "no Program.ini of the user's own at $user_ini"
grep -q '^Language=English' "$user_ini" || fail "the user's copy does not hold the default's values"
grep -q '^EnableSql=0' "$user_ini" || fail "EnableSql was not written to the user's copy at exit"
[ "$(sha256sum <"$default")" = "$default_before" ] || fail "the installed default changed"
"$prefix/bin/program-cli" --version | grep -qF "settings: $user_ini (the user's own)" ||
    fail "program-cli --version does not name the user's copy"
echo "install test: passed; screenshots in $artifacts"
