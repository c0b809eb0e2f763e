#!/usr/bin/env bash
# Starts the built Program under a virtual X server with a new document, waits
# for its main window, takes a screenshot and closes it from its File menu.
# Usage: program_smoke.sh <Program> <artifact folder>
set -euo pipefail
program=$1
artifacts=$2
mkdir -p "$artifacts"
# The test runner may ask Qt for its offscreen platform; this test wants a real X window.
export QT_QPA_PLATFORM=xcb
# The X libraries keep a few allocations until the process ends.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/x11-leaks.supp"
shot="$artifacts/program-smoke.png"
rm -f "$shot"

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
set -euo pipefail
program=$1
shot=$2
# The virtual server may still be coming up on a busy machine; wait until it answers
# (up to 30 s: a loaded machine has been seen to need more than 5).
for _ in $(seq 1 300); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "the virtual X server never answered"; exit 1; }
"$program" --no-splash &
pid=$!
window=""
for _ in $(seq 1 200); do
    window=$(xdotool search --onlyvisible --class Program 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        echo "Program ended with status $status before showing a window"
        exit 1
    fi
    sleep 0.1
done
[ -n "$window" ] || { echo "no main window within 20 s"; kill "$pid"; exit 1; }
sleep 1
import -window root "$shot"
# File > Exit through the menu mnemonics, as a user would.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+f
sleep 0.3
xdotool key x 2>/dev/null || true # the window may be gone before the key is let go
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
# Other virtual X servers may be starting at the same moment: look for a free
# display from a random number up, so two of them never take the same one.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" bash "$inner" "$program" "$shot"
[ -s "$shot" ] || { echo "no screenshot"; exit 1; }
echo "screenshot: $shot"
