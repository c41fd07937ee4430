# The default start on a 1920x1080 screen: full screen at the desktop's size
# with the 4:3 picture between black bars; the pointer goes where it points
# through the bars onto the 800x600 virtual screen, where a click reaches the
# camera-mode spinner and a double click starts a run.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb 1920x1080x24
set_picture 1920 1080
start_app
wait_window
[ "$(window_size)" = "1920 1080" ] || fail "window is $(window_size), expected the whole 1920x1080 screen"
wait_first_frame

for bar in "${PIC_X}x1080+0+0" "$((1920 - PIC_X - PIC_W))x1080+$((PIC_X + PIC_W))+0"; do
    [ "$(screen_max "$WORK/first.miff" "$bar")" = "0" ] || fail "bar $bar is not black"
done
for edge in "4x1080+$PIC_X+0" "4x1080+$((PIC_X + PIC_W - 4))+0"; do
    gt "$(convert "$WORK/first.miff" -crop "$edge" +repage -colorspace gray -format '%[fx:mean]' info:)" 0.05 ||
        fail "the picture does not fill $edge"
done

# The watch camera stands still while the pointer is pushed into a corner
# (the free camera would turn there).
xdotool key F4
pointer_to 300 200
screenshot "$WORK/p1.miff"
pointer_to 500 400
pointer_at() { [ "$(region_diff "$WORK/p1.miff" "$WORK/p2.miff" $1 $2 16 16)" -gt 10 ]; }
shot_until p2 pointer_at 500 400 || fail "no pointer at (500, 400)"
pointer_at 300 200 || fail "no pointer at (300, 200)"
same "$WORK/p1.miff" "$WORK/p2.miff" "200 300 60 60" || fail "the pointer left marks elsewhere"

# A click on the camera-mode spinner's right arrow, at (699, 553) of the
# virtual screen, steps the camera (watch fighter to watch pilot).
pointer_to 699 553
sleep 0.3
screenshot "$WORK/spinner0.miff"
xdotool click 1
shot_until spinner1 changed "$WORK/spinner0.miff" "$WORK/spinner1.miff" "$CAMBOX" ||
    fail "a click at (699, 553) did not reach the camera-mode spinner"

pointer_to 500 400
sleep 0.3
screenshot "$WORK/p3.miff"
double_click_starts_run "$WORK/p3.miff" || fail "a double click at (500, 400) did not start a run"

keep_shots
# (Escape and the closing screen are checked elsewhere; the clean-up ends the program.)
echo "PASS: letterboxed full screen at 1920x1080, pointer placed, spinner click, double click"
