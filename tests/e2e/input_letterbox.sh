# The default start on a 1920x1080 screen: full screen at the desktop's size
# with the 4:3 picture between black bars; the pointer goes where relative
# motion puts it on the 800x600 virtual screen, and a double click there
# starts a run.
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
screenshot "$WORK/p2.miff"
[ "$(region_diff "$WORK/p1.miff" "$WORK/p2.miff" 300 200 16 16)" -gt 10 ] || fail "no pointer at (300, 200)"
[ "$(region_diff "$WORK/p1.miff" "$WORK/p2.miff" 500 400 16 16)" -gt 10 ] || fail "no pointer at (500, 400)"
same "$WORK/p1.miff" "$WORK/p2.miff" "200 300 60 60" || fail "the pointer left marks elsewhere"

double_click_starts_run "$WORK/p2.miff" || fail "a double click at (500, 400) did not start a run"

keep_shots
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after Escape"
echo "PASS: letterboxed full screen at 1920x1080, pointer placed, double click"
