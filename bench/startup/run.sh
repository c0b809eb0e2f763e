#!/usr/bin/env bash
# Start-up time of Program to its first shown main window, as a ratio to a bare Qt
# QMainWindow program measured in the same run, under a virtual X server.
#
#   bench/startup/run.sh [runs]        (default 15 runs of each, interleaved)
#
# Both programs are built in Release. Program starts with a new document and
# without its splash picture (--no-splash): the splash is a fixed one-second
# display, not start-up work. The time is taken from launching the process to the
# moment the X server maps its window (bench/startup/map_timer.cpp). A second
# yardstick, the bare window with one line of text, shows how much of the
# difference is the font system starting, which any window with text pays.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
runs=${1:-15}

# A build folder of its own, so no other build replaces the programs mid-run.
build="${BUILD:-$root/build-bench-startup}"
lock=/tmp/program-build.lock
flock "$lock" cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPROGRAM_BUILD_TESTS=OFF \
    -DPROGRAM_BUILD_BENCH=OFF >/dev/null
flock "$lock" cmake --build "$build" -j "${JOBS:-2}" --target Program >/dev/null
flock "$lock" cmake -S bench/startup -B "$build/bench-startup" -DCMAKE_BUILD_TYPE=Release >/dev/null
flock "$lock" cmake --build "$build/bench-startup" >/dev/null

measure=$(mktemp)
trap 'rm -f "$measure"' EXIT
cat >"$measure" <<'INNER'
set -euo pipefail
timer=$1
program=$2
baseline=$3
runs=$4
# The virtual server may still be coming up on a busy machine; wait until it answers.
for _ in $(seq 1 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
# One untimed start of each fills the file caches.
"$timer" "$program" --no-splash >/dev/null
"$timer" "$baseline" >/dev/null
for _ in $(seq 1 "$runs"); do
    echo "program $("$timer" "$program" --no-splash)"
    echo "baseline $("$timer" "$baseline")"
    echo "text $("$timer" "$baseline" --with-text)"
done
INNER

# Other virtual X servers may be starting at the same moment: look for a free
# display from a random number up, so two of them never take the same one.
helpers="$build/bench-startup"
results=$(xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" bash "$measure" \
    "$helpers/map_timer" "$build/bin/Program" "$helpers/bare_main_window" "$runs")

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
program_ms=$(grep '^program ' <<<"$results" | cut -d' ' -f2 | median)
baseline_ms=$(grep '^baseline ' <<<"$results" | cut -d' ' -f2 | median)
text_ms=$(grep '^text ' <<<"$results" | cut -d' ' -f2 | median)
echo "runs:                           $runs of each, interleaved"
echo "Program, median:                ${program_ms} ms"
echo "bare QMainWindow, median:       ${baseline_ms} ms"
echo "bare window + one text, median: ${text_ms} ms"
awk -v p="$program_ms" -v b="$baseline_ms" -v t="$text_ms" 'BEGIN {
    printf "ratio Program / bare:           %.2f (aim: 1.5 or less)\n", p / b
    printf "ratio Program / bare + text:    %.2f\n", p / t
}'
