# Keys and clicks of a real keyboard and mouse, checked through the HUD: the
# camera-mode box, the zoom read-out, the text lines and the run clock.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb 1024x600x24
set_picture 1024 600
start_app
wait_window
wait_first_frame
# Clicks land in the middle of the picture, away from the menu strip.
xdotool key F4
pointer_to 400 300
xdotool key F1
sleep 0.4
screenshot "$WORK/start.miff"

xdotool key F4
sleep 0.4
screenshot "$WORK/f4.miff"
changed "$WORK/start.miff" "$WORK/f4.miff" "$CAMBOX" || fail "F4 did not change the camera mode"
xdotool key KP_Add
sleep 0.4
screenshot "$WORK/zoom.miff"
changed "$WORK/f4.miff" "$WORK/zoom.miff" "$ZOOM" || fail "Numpad + did not zoom"
xdotool key Tab
sleep 0.4
screenshot "$WORK/tab.miff"
changed "$WORK/zoom.miff" "$WORK/tab.miff" "$LINES" || fail "Tab did not hide the text lines"
xdotool key Tab F1
sleep 0.4
screenshot "$WORK/back.miff"
same "$WORK/start.miff" "$WORK/back.miff" "$CAMBOX" || fail "F1 did not bring the free camera back"

# E starts a run; P freezes its clock and P again lets it go on.
xdotool key e
sleep 1
screenshot "$WORK/run.miff"
changed "$WORK/back.miff" "$WORK/run.miff" "$CLOCK" || fail "E did not start a run"
xdotool key p
sleep 0.3
screenshot "$WORK/pause1.miff"
sleep 0.8
screenshot "$WORK/pause2.miff"
same "$WORK/pause1.miff" "$WORK/pause2.miff" "$CLOCK" || fail "the clock ran while paused"
xdotool key p
sleep 0.8
screenshot "$WORK/resume.miff"
changed "$WORK/pause2.miff" "$WORK/resume.miff" "$CLOCK" || fail "the clock did not go on after the pause"
# The right button stops the run: the clock is back at its start.
xdotool click 3
sleep 0.4
screenshot "$WORK/stopped.miff"
same "$WORK/back.miff" "$WORK/stopped.miff" "$CLOCK" || fail "the right button did not stop the run"
# A long press followed by a click is no double click.
xdotool mousedown 1; sleep 0.6; xdotool mouseup 1; sleep 0.05; xdotool click 1
sleep 0.8
screenshot "$WORK/slow.miff"
same "$WORK/back.miff" "$WORK/slow.miff" "$CLOCK" || fail "a long press and a click started a run"
keep_shots
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after Escape"
echo "PASS: camera keys, zoom, text lines, run, pause, right-button stop, slow clicks"
