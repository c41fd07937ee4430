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
sleep 0.5
screenshot "$WORK/start.miff"
S="$WORK/start.miff"

xdotool key F4
shot_until f4 changed "$S" "$WORK/f4.miff" "$CAMBOX" || fail "F4 did not change the camera mode"
xdotool key KP_Add
shot_until zoom changed "$WORK/f4.miff" "$WORK/zoom.miff" "$ZOOM" || fail "Numpad + did not zoom"
xdotool key Tab
shot_until tab changed "$WORK/zoom.miff" "$WORK/tab.miff" "$LINES" || fail "Tab did not hide the text lines"
xdotool key Tab F1
shot_until back same "$S" "$WORK/back.miff" "$CAMBOX" || fail "F1 did not bring the free camera back"
# The airspeed keys sit where "." and "," are on a US keyboard.
xdotool key period
shot_until faster changed "$WORK/back.miff" "$WORK/faster.miff" "$LINES" || fail "'.' did not raise the airspeed"
xdotool key comma
shot_until slower same "$S" "$WORK/slower.miff" "$LINES" || fail "',' did not take the airspeed back"

# E starts a run; P freezes its clock and P again lets it go on.
xdotool key e
shot_until run changed "$S" "$WORK/run.miff" "$CLOCK" || fail "E did not start a run"
xdotool key p
# Frozen: two looks a second apart show the same time.
frozen() {
    screenshot "$WORK/pause1.miff"
    sleep 1
    screenshot "$WORK/pause2.miff"
    same "$WORK/pause1.miff" "$WORK/pause2.miff" "$CLOCK"
}
for _ in 1 2 3 4 5; do frozen && break; done
frozen || fail "the clock ran while paused"
xdotool key p
shot_until resume changed "$WORK/pause2.miff" "$WORK/resume.miff" "$CLOCK" || fail "the clock did not go on after the pause"
# The right button stops the run: the clock is back at its start.
xdotool click 3
shot_until stopped same "$S" "$WORK/stopped.miff" "$CLOCK" || fail "the right button did not stop the run"
# A long press followed by a click is no double click.
xdotool mousedown 1; sleep 0.6; xdotool mouseup 1; sleep 0.05; xdotool click 1
sleep 1.5
screenshot "$WORK/slow.miff"
same "$S" "$WORK/slow.miff" "$CLOCK" || fail "a long press and a click started a run"

# Space opens the menu; there E starts nothing, and Esc closes the menu
# instead of quitting.
xdotool key space
shot_until menu changed "$S" "$WORK/menu.miff" "200 150 400 300" || fail "Space did not open the menu"
xdotool key e
sleep 0.5
xdotool key Escape
shot_until closed same "$S" "$WORK/closed.miff" "$CAMBOX" || fail "Esc did not close the menu"
sleep 1
screenshot "$WORK/closed.miff"
same "$S" "$WORK/closed.miff" "$CLOCK" || fail "E started a run while the menu was open"

keep_shots
# (Escape and the closing screen are checked elsewhere; the clean-up ends the program.)
echo "PASS: camera keys, zoom, text lines, airspeed, run, pause, right-button stop, slow clicks, menu keys"
