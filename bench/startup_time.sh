#!/usr/bin/env bash
# startup_time.sh [BUILD_DIR] [RUNS]: time from launching the simulator to its
# first frame on the screen, under a private Xvfb with software GL, as a
# figure per run and the median. The target is 1.5 s or less. A benchmark,
# not a test: it prints and always succeeds when the program starts.
set -u
BUILD_DIR=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
RUNS=${2:-5}
WORK=$(mktemp -d)
XVFB_PID=""
trap '[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; rm -rf "$WORK"' EXIT
exec 9>"$WORK/display"
Xvfb -displayfd 9 -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$WORK/display")"

times=()
cpus=()
for run in $(seq "$RUNS"); do
    : >"$WORK/out"
    start=$(date +%s%3N)
    (cd "$BUILD_DIR" && VORIX_REPORT_FIRST_FRAME=1 VORIX_NO_DIALOGS=1 LIBGL_ALWAYS_SOFTWARE=1 \
        exec ./vorix) >"$WORK/out" 2>/dev/null &
    pid=$!
    for _ in $(seq 750); do grep -q "first frame" "$WORK/out" && break; sleep 0.02; done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    at=$(sed -n 's/^vorix: first frame at \([0-9]*\) ms.*/\1/p' "$WORK/out")
    cpu=$(sed -n 's/.*, \([0-9]*\) ms of processor time$/\1/p' "$WORK/out")
    if [ -z "$at" ]; then
        echo "run $run: no first frame within 15 s"
        continue
    fi
    times+=($((at - start)))
    cpus+=("$cpu")
    echo "run $run: first frame after $((at - start)) ms ($cpu ms of processor time in the simulator)"
done
[ ${#times[@]} -gt 0 ] || exit 1
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')
cpuMedian=$(printf '%s\n' "${cpus[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')
echo "start-up to first frame: median ${median} ms over ${#times[@]} runs (target 1500 ms);" \
    "median processor time ${cpuMedian} ms (load average now: $(cut -d' ' -f1 /proc/loadavg))"
