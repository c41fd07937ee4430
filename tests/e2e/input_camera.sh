# The camera under a real mouse and keyboard: the wheel, left and right drags,
# the free camera turning at the screen's edge, the arrow keys and the orbit
# camera, each checked through the picture of the world.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb 1024x600x24
set_picture 1024 600
start_app
wait_window
wait_first_frame
# The world below the horizon, without the gauges and the text bands (the
# clouds drift by themselves).
WORLD="0 255 560 265"
# seen NAME changed|same BEFORE [REGION]: the look after an action.
seen() { shot_until "$1" "$2" "$WORK/$3.miff" "$WORK/$1.miff" "${4:-$WORLD}"; }

# Place the pointer with the watch camera (the free camera would turn while
# the pointer is pushed into a corner), then back to the free camera.
xdotool key F4
pointer_to 400 300
xdotool key F1
sleep 0.5
screenshot "$WORK/start.miff"

# One wheel notch forward moves the eye 24 m; a notch back brings it back.
xdotool click 4
seen wheel_in changed start || fail "the wheel did not move the free camera"
xdotool click 5
seen wheel_out same start || fail "a notch back did not undo a notch forward"

# A left drag down by 36 counts lowers the view by 10 degrees; back up undoes it.
xdotool mousedown 1; sleep 0.3; pointer_by 0 36; sleep 0.2; xdotool mouseup 1
seen drag_down changed start || fail "a left drag did not turn the view"
xdotool mousedown 1; sleep 0.3; pointer_by 0 -36; sleep 0.2; xdotool mouseup 1
seen drag_up same start || fail "a left drag back did not turn the view back"

# A right drag turns the fighter by a degree a count; back again undoes it.
xdotool mousedown 3; sleep 0.3; pointer_by 40 0; sleep 0.2; xdotool mouseup 3
seen fighter_turned changed start || fail "a right drag did not turn the fighter"
xdotool mousedown 3; sleep 0.3; pointer_by -40 0; sleep 0.2; xdotool mouseup 3
seen fighter_back same start || fail "a right drag back did not turn the fighter back"

# The arrow key moves the free camera forward.
xdotool key Up
seen forward changed start || fail "the up arrow did not move the free camera"

# At the right edge the pointer stops but pushing further turns the view;
# inside the screen the same motion only moves the pointer.
xdotool key F4
pointer_to 799 300
xdotool key F1
sleep 0.5
screenshot "$WORK/at_edge.miff"
pointer_by 60 0
seen pushed changed at_edge "0 40 500 480" || fail "pushing at the screen's edge did not turn the view"

# The orbit camera looks at the fighter from elsewhere, and circles it as the
# mouse moves.
xdotool key F6
seen orbit changed pushed || fail "F6 did not change the view"
pointer_by -150 -150
seen orbit_turned changed orbit "0 40 500 480" || fail "mouse motion did not circle the orbit camera"

keep_shots
# (Escape and the closing screen are checked elsewhere; the clean-up ends the program.)
echo "PASS: wheel, left and right drags, edge turning, arrow key and orbit camera"
