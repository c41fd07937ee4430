# --windowed opens a resizable 800x600 window on a larger screen; a resize is
# taken in and Escape still quits cleanly.
source "$(dirname "$0")/common.bash"
start_xvfb 1024x768x24
start_app --windowed
wait_window
[ "$(window_size)" = "800 600" ] || fail "window is $(window_size), expected 800 600"
xdotool windowsize --sync "$WINDOW" 640 400 2>/dev/null || xdotool windowsize "$WINDOW" 640 400
sleep 1
[ "$(window_size)" = "640 400" ] || fail "window did not resize: $(window_size)"
kill -0 "$APP_PID" 2>/dev/null || fail "simulator died after the resize"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
echo "PASS: windowed mode resizes and quits with code 0"
