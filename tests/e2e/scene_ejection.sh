# A zero-zero ejection watched from the ground with real keys: the fighter in
# view before it, the seat leaving, the main parachute over the pilot during
# the descent, and no canopy once he has landed.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/scene_pixels.bash"
start_xvfb
start_app
wait_window
sleep 2
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
# Zero-zero values, HUD text off, the camera watching the pilot (at the
# centre of the picture).
xdotool key --clearmodifiers Home Tab F5
sleep 1
shot before

# The ground fills the bottom, the sky the top, the fighter the centre.
read -r r g b <<<"$(region_rgb "$WORK/before.png" 800 120 0 470)"
[ "$g" -gt "$r" ] && [ "$g" -gt "$b" ] || fail "bottom of the picture is not ground-green: $r $g $b"
read -r r g b <<<"$(region_rgb "$WORK/before.png" 800 80 0 0)"
[ "$b" -ge "$r" ] && [ "$b" -gt 120 ] || fail "top of the picture is not sky: $r $g $b"
ground=$(region_rgb "$WORK/before.png" 100 40 350 500)
centre=$(near_fraction "$WORK/before.png" "rgb(${ground// /,})" 8% 40 30 380 285)
at_least 0.5 "$centre" || fail "nothing drawn where the fighter stands (ground share $centre)"

xdotool key --clearmodifiers e
sleep 1.5
shot leaving
moved=$(changed_pixels "$WORK/before.png" "$WORK/leaving.png" 300 300 250 100)
at_least "$moved" 150 || fail "the picture round the seat did not change after E ($moved pixels)"

# The canopy's gores are khaki and brown: one of three looks during the
# descent has to show them over the pilot.
# From about 5 s into the run the pilot is past the top of his climb.
sleep 2.5
seen=0
for k in 1 2 3 4 5; do
    sleep 0.8
    shot descent$k
    khaki=$(near_fraction "$WORK/descent$k.png" "rgb(150,150,75)" 8% 400 300 200 50)
    brown=$(near_fraction "$WORK/descent$k.png" "rgb(150,104,6)" 8% 400 300 200 50)
    if at_least "$khaki" 0.0003 && at_least "$brown" 0.0003; then seen=1; break; fi
done
[ "$seen" = 1 ] || fail "no parachute canopy over the pilot during the descent (khaki $khaki, brown $brown)"

# Down on the ground the canopy is no longer drawn.
sleep 9
shot landed
brown=$(near_fraction "$WORK/landed.png" "rgb(150,104,6)" 8% 800 600 0 0)
at_least 0.0003 "$brown" || fail "a canopy is still drawn after landing ($brown)"
xdotool key --clearmodifiers Escape
wait_exit 30
echo "PASS: fighter, seat leaving, canopy over the descending pilot, none after landing"
