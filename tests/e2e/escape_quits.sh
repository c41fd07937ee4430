# A real Escape key press in the full-screen window ends the program with code 0.
source "$(dirname "$0")/common.bash"
start_xvfb
start_app
wait_window
[ "$(window_size)" = "800 600" ] || fail "window is $(window_size), expected 800 600"
sleep 1
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after Escape"
echo "PASS: Escape ends the program with code 0"
