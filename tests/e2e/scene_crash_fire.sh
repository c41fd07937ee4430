# The abandoned fighter flying nose-down into the ground with real keys: it
# burns where it hit, in front of the watching camera, and goes on burning.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/scene_pixels.bash"
start_xvfb
start_app
wait_window
sleep 2
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
# Zero-zero values, HUD text off, the fighter 30 m up with its nose 10
# degrees down at 200 kt, watched from the ground (F4).
xdotool key --clearmodifiers Home Tab
for _ in $(seq 30); do xdotool key --clearmodifiers KP_9; done
xdotool key --clearmodifiers KP_8 KP_8 shift+period shift+period F4
sleep 1
shot flying
orange=$(near_fraction "$WORK/flying.png" "rgb(235,110,30)" 10% 300 200 250 200)
at_least 0.001 "$orange" || fail "fire colours before any crash ($orange)"

xdotool key --clearmodifiers e
sleep 5
for k in 1 2; do
    shot burning$k
    orange=$(near_fraction "$WORK/burning$k.png" "rgb(235,110,30)" 10% 300 200 250 200)
    yellow=$(near_fraction "$WORK/burning$k.png" "rgb(250,190,90)" 10% 300 200 250 200)
    # The flames change from frame to frame of the fire's picture; together
    # they cover a good share of the middle of the view.
    fire=$(awk -v a="$orange" -v b="$yellow" 'BEGIN { print a + b }')
    at_least "$fire" 0.006 || fail "no fire where the fighter hit, look $k (orange $orange, yellow $yellow)"
    sleep 1
done
xdotool key --clearmodifiers Escape
wait_exit 30
echo "PASS: the crashed fighter burns in front of the camera"
