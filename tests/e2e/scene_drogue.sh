# A mode 2 run (420 kt, 100 m up) watched by a camera riding with the pilot,
# played ten times slower: while the drogue flies, its grey canopy is drawn
# in the sky near the package, and the picture changes as the run plays.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/scene_pixels.bash"
start_xvfb
start_app
wait_window
sleep 2
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
# Zero-zero values, then 420 kt in steps of 10 and 100 m of altitude in steps
# of 1 (the step keys are sent bare: Shift could be read late on a busy
# machine), playback at 1/11, HUD text off, the pilot watched by a camera
# that rides along with him.
xdotool key --clearmodifiers Home Tab
xdotool key --clearmodifiers --repeat 42 --delay 15 period
xdotool key --clearmodifiers --repeat 100 --delay 5 KP_9
xdotool key --clearmodifiers --repeat 10 --delay 20 KP_Multiply
xdotool key --clearmodifiers F5 2
sleep 1

# grey_share SHOT: share of the sky above the horizon, left of the gauges,
# (the horizon of this view is near y 315) that is mid-grey like the drogue's gores (not the white or blue-grey
# clouds, not the sky, not the yellow sun line).
GREY='abs(r-g)<0.05&&abs(g-b)<0.05&&r>0.25&&r<0.68?1:0'
grey_share() { convert "$1" -crop 640x252+40+60 +repage -fx "$GREY" -format '%[fx:mean]' info:; }

shot before
base=$(grey_share "$WORK/before.png")

# The drogue flies from 0.22 s to 1.25 s of the run: 2.4 s to 13.7 s at 1/11
# after the 0.6 s count-down (6.6 s). Look from 9.5 s of playback on, when it
# is out of the fighter's wake, until it is seen twice.
xdotool key --clearmodifiers e
sleep 9
seen=0
for k in 1 2 3 4 5 6 7 8; do
    shot drogue$k
    grey=$(grey_share "$WORK/drogue$k.png")
    echo "drogue$k grey $grey (before $base)"
    if at_least "$grey" 0.001; then
        seen=$((seen + 1))
        [ "$seen" = 1 ] && first=$k
        [ "$seen" = 2 ] && break
    fi
    sleep 0.5
done
[ "$seen" = 2 ] || fail "no drogue drawn near the package (grey share $grey)"
moved=$(changed_pixels "$WORK/drogue$first.png" "$WORK/drogue$k.png" 640 370 40 60)
at_least "$moved" 60 || fail "the picture did not change as the run played ($moved pixels)"
xdotool key --clearmodifiers Escape
wait_exit 30
echo "PASS: drogue drawn near the package and the picture moving (grey $grey, moved $moved)"
