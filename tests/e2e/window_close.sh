# Closing the window through the window-manager protocol ends the program with code 0.
source "$(dirname "$0")/common.bash"
start_xvfb
start_app
wait_window
[ "$(window_size)" = "800 600" ] || fail "window is $(window_size), expected 800 600"
sleep 1
"$BUILD_DIR/x11-close" "$WINDOW" || fail "could not send the close request"
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after the close request"
echo "PASS: closing the window ends the program with code 0"
