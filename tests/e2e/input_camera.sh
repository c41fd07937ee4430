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
look() { sleep 0.5; screenshot "$WORK/$1.miff"; }

# Place the pointer with the watch camera (the free camera would turn while
# the pointer is pushed into a corner), then back to the free camera.
xdotool key F4
pointer_to 400 300
xdotool key F1
look start

# One wheel notch forward moves the eye 24 m; a notch back brings it back.
xdotool click 4
look wheel_in
changed "$WORK/start.miff" "$WORK/wheel_in.miff" "$WORLD" || fail "the wheel did not move the free camera"
xdotool click 5
look wheel_out
same "$WORK/start.miff" "$WORK/wheel_out.miff" "$WORLD" || fail "a notch back did not undo a notch forward"

# A left drag down by 36 counts lowers the view by 10 degrees; back up undoes it.
xdotool mousedown 1; sleep 0.3; pointer_by 0 36; sleep 0.2; xdotool mouseup 1
look drag_down
changed "$WORK/start.miff" "$WORK/drag_down.miff" "$WORLD" || fail "a left drag did not turn the view"
xdotool mousedown 1; sleep 0.3; pointer_by 0 -36; sleep 0.2; xdotool mouseup 1
look drag_up
same "$WORK/start.miff" "$WORK/drag_up.miff" "$WORLD" || fail "a left drag back did not turn the view back"

# A right drag turns the fighter by a degree a count; back again undoes it.
xdotool mousedown 3; sleep 0.3; pointer_by 40 0; sleep 0.2; xdotool mouseup 3
look fighter_turned
changed "$WORK/start.miff" "$WORK/fighter_turned.miff" "$WORLD" || fail "a right drag did not turn the fighter"
xdotool mousedown 3; sleep 0.3; pointer_by -40 0; sleep 0.2; xdotool mouseup 3
look fighter_back
same "$WORK/start.miff" "$WORK/fighter_back.miff" "$WORLD" || fail "a right drag back did not turn the fighter back"

# The arrow key moves the free camera forward.
xdotool key Up
look forward
changed "$WORK/start.miff" "$WORK/forward.miff" "$WORLD" || fail "the up arrow did not move the free camera"

# At the right edge the pointer stops but pushing further turns the view;
# inside the screen the same motion only moves the pointer.
xdotool key F4
pointer_to 799 300
xdotool key F1
look at_edge
pointer_by 60 0
look pushed
changed "$WORK/at_edge.miff" "$WORK/pushed.miff" "0 40 500 480" || fail "pushing at the screen's edge did not turn the view"

# The orbit camera looks at the fighter from elsewhere, and circles it as the
# mouse moves.
xdotool key F6
look orbit
changed "$WORK/pushed.miff" "$WORK/orbit.miff" "$WORLD" || fail "F6 did not change the view"
pointer_by -150 -150
look orbit_turned
changed "$WORK/orbit.miff" "$WORK/orbit_turned.miff" "0 40 500 480" || fail "mouse motion did not circle the orbit camera"

keep_shots
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after Escape"
echo "PASS: wheel, left and right drags, edge turning, arrow key and orbit camera"
