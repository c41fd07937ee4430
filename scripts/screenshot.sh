#!/usr/bin/env bash
# screenshot.sh [BUILD_DIR] [OUT.png]: runs the simulator on a private Xvfb
# screen, ejects from the fighter standing on the airfield with the camera
# watching the pilot, and takes the picture once the parachute is open
# (docs/screenshot.png by default, the one the README shows).
# Needs Xvfb, xdotool and ImageMagick (scripts/bootstrap.sh installs them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs/screenshot.png}
[ -x "$build/vorix" ] || { echo "screenshot: build the simulator first (scripts/build.sh)" >&2; exit 1; }
work=$(mktemp -d)
xvfb=""
app=""
trap '[ -n "$app" ] && kill -9 "$app" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

exec 9>"$work/display"
Xvfb -displayfd 9 -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

(cd "$build" && VORIX_NO_DIALOGS=1 LIBGL_ALWAYS_SOFTWARE=1 exec ./vorix) >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 300); do
    window=$(xdotool search --name '^VORIX - Ejection seat simulation' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the simulator's window did not appear" >&2; exit 1; }
sleep 2  # loading
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers F5  # watch the pilot
sleep 0.3
xdotool key --clearmodifiers e  # eject
# The run is computed when triggered, which takes a varying time: take a
# picture every half second and keep the one where most of the parachute's
# canopy (its yellow and orange gores) is in view.
for i in $(seq 24); do
    sleep 0.5
    import -window root "$work/shot$i.png"
done
kill -9 "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
app=""
best=""
bestShare=-1
for i in $(seq 24); do
    # Share of yellow-orange pixels: red high, green middling, blue low.
    share=$(convert "$work/shot$i.png" -crop 680x470+0+40 +repage \
        \( -clone 0 -channel R -separate -threshold 55% \) \
        \( -clone 0 -channel G -separate -threshold 30% \) \
        \( -clone 0 -channel B -separate -threshold 30% -negate \) \
        -delete 0 -evaluate-sequence min -format '%[fx:mean]' info:)
    if awk -v a="$share" -v b="$bestShare" 'BEGIN { exit !(a > b) }'; then
        best="$work/shot$i.png"
        bestShare=$share
    fi
done
mkdir -p "$(dirname "$out")"
convert "$best" -strip -define png:compression-level=9 "$out"
echo "screenshot: $out"
