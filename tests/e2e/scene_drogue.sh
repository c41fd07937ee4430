# A mode 2 run (420 kt, 100 m up) watched by a camera riding with the pilot,
# played six times slower, with the fighter switched off on the OPTION page so
# that nothing else grey flies: while the drogue flies, before the main
# parachute comes out, its grey canopy streams behind the package: grey in
# the sky, where the dark seat and the olive pilot add next to none.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
source "$(dirname "$0")/scene_pixels.bash"
menu_start
open_menu open
choose_tab 6 option
click_at 207 397   # PLANE
sleep 0.5
close_menu closed
# Zero-zero values, then 420 kt in steps of 10 and 100 m of altitude in steps
# of 1 (the step keys are sent bare: Shift could be read late on a busy
# machine), playback at 1/6, HUD text off, the pilot watched by a camera
# that rides along with him.
xdotool key --clearmodifiers Home Tab
xdotool key --clearmodifiers --repeat 42 --delay 15 period
xdotool key --clearmodifiers --repeat 100 --delay 5 KP_9
xdotool key --clearmodifiers --repeat 5 --delay 20 KP_Multiply
xdotool key --clearmodifiers F5 2
pointer_to 790 590
sleep 1

# grey_share SHOT: share of the sky above the horizon, left of the gauges,
# that is mid-grey like the drogue's gores (not the white or blue-grey clouds,
# not the sky, not the khaki main canopy).
GREY='abs(r-g)<0.05&&abs(g-b)<0.05&&r>0.25&&r<0.68?1:0'
grey_share() { convert "$1" -crop 640x252+40+60 +repage -fx "$GREY" -format '%[fx:mean]' info:; }
max_of() { awk -v a="$1" -v b="$2" 'BEGIN { print (a + 0 > b + 0) ? a : b }'; }

# The drogue flies from 0.22 s of the run; the main parachute comes out soon
# after. Look in the short time between, about 5.4 and 6 s after the key.
xdotool key --clearmodifiers e
start=$(date +%s%N)
wait_until() { while [ $(( ($(date +%s%N) - start) / 1000000 )) -lt "$1" ]; do sleep 0.1; done; }
during=0
for k in 1 2; do
    wait_until $((4800 + 600 * k))
    shot drogue$k
    g=$(grey_share "$WORK/drogue$k.png")
    echo "drogue$k grey $g"
    during=$(max_of "$during" "$g")
done
at_least "$during" 0.0006 || fail "no drogue drawn near the package (grey share $during)"
moved=$(changed_pixels "$WORK/drogue1.png" "$WORK/drogue2.png" 640 370 40 60)
at_least "$moved" 60 || fail "the picture did not change as the run played ($moved pixels)"
xdotool key --clearmodifiers Escape
wait_exit 30
echo "PASS: drogue drawn near the package while it flies (grey $during; moved $moved)"
