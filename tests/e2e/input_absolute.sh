# Full screen at 1920x1080 with an absolute pointer and a relative mouse: an
# absolute move (xdotool mousemove, as a tablet, a touch screen, a virtual
# machine's or a remote desktop's pointer makes it) puts the pointer where it
# points through the letterbox, so a click there opens the GRAPH tab; the
# relative motion of a mouse pushed on at the screen's edge still turns the
# free camera, and a move inside the picture does not.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb 1920x1080x24
set_picture 1920 1080
start_app
wait_window
wait_first_frame

# screen_at X Y: the screen pixel of a point of the 800x600 picture.
screen_at() { echo "$((PIC_X + ($1 * PIC_W + 799) / 800)) $((PIC_Y + ($2 * PIC_H + 599) / 600))"; }

# The menu opens on CONTROL; the pointer goes to the GRAPH tab's middle
# (cell 4 of the tab strip, x 371..448, y 15..45) by one absolute move.
xdotool key F4
xdotool key space
PAGE="10 60 780 470"; TABS="140 15 462 30"
sleep 1
screenshot "$WORK/control.miff"
# shellcheck disable=SC2046
xdotool mousemove $(screen_at 410 30)
pointer_on_tab() { changed "$WORK/control.miff" "$WORK/on_tab.miff" "395 25 30 30"; }
shot_until on_tab pointer_on_tab || fail "the pointer did not go to the GRAPH tab on an absolute move"
xdotool click 1
graph_open() {
    changed "$WORK/control.miff" "$WORK/graph.miff" "$PAGE" && changed "$WORK/control.miff" "$WORK/graph.miff" "$TABS"
}
shot_until graph graph_open || fail "a click after an absolute move to the GRAPH tab did not open the GRAPH page"

# Back on the scene with the free camera. An absolute move inside the
# picture only moves the pointer (outside the region looked at); the view
# stays.
xdotool key space
sleep 1
xdotool key F1
pointer_to 720 470
sleep 0.5
screenshot "$WORK/still.miff"
WORLD="0 60 660 400"
pointer_to 760 490
sleep 0.5
shot_until moved same "$WORK/still.miff" "$WORK/moved.miff" "$WORLD" ||
    fail "an absolute move inside the picture turned the view"

# At the screen's right edge (in the bar: the pointer stops at the picture's
# edge) a relative mouse pushed further turns the free camera.
xdotool mousemove 1919 540
sleep 0.5
screenshot "$WORK/at_edge.miff"
pointer_by 80 0
shot_until pushed changed "$WORK/at_edge.miff" "$WORK/pushed.miff" "$WORLD" ||
    fail "a relative mouse pushed at the screen's edge did not turn the view"

keep_shots
# (Escape and the closing screen are checked elsewhere; the clean-up ends the program.)
echo "PASS: absolute move and click open the GRAPH tab at 1920x1080; relative motion at the edge turns the free camera"
