# No audio device at all (OpenAL without a backend): the loading screen says
# so, the simulator runs on silent, and the settings file it writes at exit
# keeps sound off.
source "$(dirname "$0")/common.bash"
start_xvfb
export ALSOFT_DRIVERS=none
own_data
rm -f "$APP_DIR/Data/3d_eject.ini"
start_app
wait_window
for _ in $(seq 100); do
    grep -q "Error: install DirectX !" "$WORK/app.err" && break
    sleep 0.1
done
grep -q "Error: install DirectX !" "$WORK/app.err" || fail "no-device line not shown"
sleep 2
kill -0 "$APP_PID" 2>/dev/null || fail "simulator ended without a sound device"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
grep -q "^O 0 " "$APP_DIR/Data/3d_eject.ini" || fail "settings written with sound on: $(grep '^O' "$APP_DIR/Data/3d_eject.ini")"
echo "PASS: no sound device shown, silent run, clean exit with sound off"
