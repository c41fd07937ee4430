# --mode-switch asks the display for 800x600 itself: a 1920x1080-only screen
# refuses, and the program says so and ends cleanly; an 800x600 screen takes
# it and shows the picture on the whole screen.
source "$(dirname "$0")/common.bash"
"$BUILD_DIR/vorix" --windowed --mode-switch >/dev/null 2>&1
[ $? -eq 2 ] || fail "--windowed with --mode-switch was not refused as a usage error"

start_xvfb 1920x1080x24
start_app --mode-switch
wait_exit 60
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after the refused mode switch"
grep -q "Display Mode Not Compatible" "$WORK/app.err" || fail "no 'Display Mode Not Compatible' report"
echo "PASS: a refused mode switch is reported and ends the program cleanly"
