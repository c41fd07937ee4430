#!/usr/bin/env bash
# frame_time.sh [BUILD_DIR] [SECONDS] [hud|nohud] [WIDTHxHEIGHT] [plain|trail]: frame times of the real simulator under a
# private Xvfb with Mesa's software renderer, driven with real keys through a
# zero-zero ejection and a 450 kt (mode 2) one, in every camera mode. For each
# run and mode it measures SECONDS (default 8) of frames, from one second after
# the ejection key, and prints the median and 95th-percentile frame time, the
# frames per second and the processor time per frame (all threads, which holds
# better than wall time on a busy machine). Target: median at most 16.7 ms.
# With "nohud" the HUD text is hidden (Tab), which leaves the scene and the
# frame-rate read-out: the scene's own share of the frame. WIDTHxHEIGHT is the
# screen's size (default 800x600); on a larger one the full-screen window
# covers it and shows the 4:3 picture between black bars, as on a desktop.
# With "trail" the runs are measured with their trail shown (T) and a
# zero-zero run kept as the ghost (Y), flown once before the measured runs.
# A benchmark, not a test: it prints and succeeds whenever the program runs.
set -u
BUILD_DIR=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
SECONDS_PER_MODE=${2:-8}
HUD=${3:-hud}
SCREEN=${4:-800x600}
TRAIL=${5:-plain}
case "$TRAIL" in
    plain|trail) ;;
    *) echo "the fifth argument is plain or trail"; exit 2 ;;
esac
case "$SCREEN" in
    [0-9]*x[0-9]*) ;;
    *) echo "screen size must read WIDTHxHEIGHT, e.g. 1920x1080"; exit 2 ;;
esac
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
XVFB_PID="" APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

# The frame clock is preloaded into the unchanged program.
cc -O2 -shared -fPIC -o "$WORK/frame_clock.so" "$HERE/frame_clock.c" -ldl || exit 1

exec 9>"$WORK/display"
Xvfb -displayfd 9 -screen 0 "${SCREEN}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$WORK/display")"

(cd "$BUILD_DIR" && VORIX_FRAME_LOG="$WORK/frames" LD_PRELOAD="$WORK/frame_clock.so" VORIX_NO_DIALOGS=1 \
    LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe exec ./vorix) >/dev/null 2>&1 &
APP_PID=$!
title="VORIX - Ejection seat simulation version 1.0"
window=""
for _ in $(seq 300); do
    window=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no simulator window"; exit 1; }
sleep 3
xdotool windowfocus --sync "$window" 2>/dev/null
key() { xdotool key --clearmodifiers "$@"; }
now() { date +%s%N; }

modes=("F1 free" "F4 watch-fighter" "F5 watch-pilot" "F7 orbit-pilot" "F6 orbit-fighter" "F2 fighter-flyby"
       "F3 pilot-flyby")
if [ "$TRAIL" = trail ]; then
    # The ghost: a zero-zero run kept once its descent has begun.
    key Home t e
    sleep 8
    key y
fi
: >"$WORK/segments"
for run in zero-zero mode2-450kt; do
    for entry in "${modes[@]}"; do
        set -- $entry
        key Home
        # 450 kt in steps of 10 (the step keys read Shift when they are
        # handled, which a busy machine may do after it was let go).
        [ "$run" = mode2-450kt ] && xdotool key --clearmodifiers --repeat 45 --delay 20 period
        [ "$HUD" = nohud ] && key Tab
        key "$1" e
        sleep 1
        start=$(now)
        sleep "$SECONDS_PER_MODE"
        echo "$run $2 $start $(now)" >>"$WORK/segments"
    done
done
key Home Escape
for _ in $(seq 200); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
wait "$APP_PID" 2>/dev/null
APP_PID=""
[ -s "$WORK/frames" ] || { echo "no frames were logged"; exit 1; }

load=$(cut -d' ' -f1-3 /proc/loadavg)
printf '%-12s %-15s %7s %9s %8s %7s %12s\n' run mode frames median-ms p95-ms fps cpu-ms/frame
while read -r run mode start end; do
    awk -v s="$start" -v e="$end" 'NR > 1 && $1 >= s && $1 <= e && prev >= s {
            printf "%.3f %.3f\n", ($1 - prev) / 1e6, ($2 - prevCpu) / 1e6 }
        { prev = $1; prevCpu = $2 }' "$WORK/frames" >"$WORK/seg"
    n=$(wc -l <"$WORK/seg")
    if [ "$n" -lt 2 ]; then
        printf '%-12s %-15s %7d\n' "$run" "$mode" "$n"
        continue
    fi
    median=$(cut -d' ' -f1 "$WORK/seg" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    p95=$(cut -d' ' -f1 "$WORK/seg" | sort -n | awk '{a[NR]=$1} END {i=int(NR*0.95+0.5); if(i<1)i=1; print a[i]}')
    cpu=$(cut -d' ' -f2 "$WORK/seg" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    fps=$(awk -v n="$n" -v s="$start" -v e="$end" 'BEGIN {printf "%.1f", n / ((e - s) / 1e9)}')
    printf '%-12s %-15s %7d %9.2f %8.2f %7s %12.2f\n' "$run" "$mode" "$n" "$median" "$p95" "$fps" "$cpu"
done <"$WORK/segments"
echo "screen: $SCREEN; HUD: $HUD; trail: $TRAIL; load average during the run (1, 5, 15 min): $load; $(nproc) processors; target median 16.7 ms"
