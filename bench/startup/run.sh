#!/usr/bin/env bash
# Start-up time of Program to its first shown main window, as a ratio to a bare Qt
# QMainWindow program measured in the same run, under a virtual X server.
#
#   bench/startup/run.sh [runs]        (default 15 runs of each, interleaved)
#
# Both programs are built in Release. Program starts with a new document and
# without its splash picture (--no-splash): the splash is a fixed one-second
# display, not start-up work. The time is taken from launching the process to the
# moment xdotool sees its window mapped.
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
program=$1
baseline=$2
runs=$3
# Milliseconds from launch until a window of the class is mapped, then the
# process is ended.
time_to_window() {
    local class=$1
    shift
    local start end pid
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --class "^$class\$" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$class ended early" >&2; exit 1; }
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}
# One untimed start of each fills the file caches.
time_to_window Program "$program" --no-splash >/dev/null
time_to_window bare_main_window "$baseline" >/dev/null
for _ in $(seq 1 "$runs"); do
    echo "program $(time_to_window Program "$program" --no-splash)"
    echo "baseline $(time_to_window bare_main_window "$baseline")"
done
INNER

# Other virtual X servers may be starting at the same moment: look for a free
# display from a random number up, so two of them never take the same one.
results=$(xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" bash "$measure" \
    "$build/bin/Program" "$build/bench-startup/bare_main_window" "$runs")

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
program_ms=$(grep '^program ' <<<"$results" | cut -d' ' -f2 | median)
baseline_ms=$(grep '^baseline ' <<<"$results" | cut -d' ' -f2 | median)
echo "runs:                       $runs of each"
echo "Program, median:            ${program_ms} ms"
echo "bare QMainWindow, median:   ${baseline_ms} ms"
awk -v p="$program_ms" -v b="$baseline_ms" 'BEGIN {printf "ratio Program / bare:       %.2f (aim: 1.5 or less)\n", p / b}'
