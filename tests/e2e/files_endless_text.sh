# The scene file, the settings file and the model file each a link to
# /dev/zero: the first two are refused at once (named once, left as links)
# and the program runs; without a readable model it ends at once with code 1.
# vorix-sim, which reads the model through the same loader, refuses it too.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb
set_picture 800 600
for name in scene.ini 3d_eject.ini; do
    own_data
    ln -sf /dev/zero "$APP_DIR/Data/$name"
    start_app
    wait_window
    wait_first_frame
    xdotool key Escape
    wait_exit 30
    [ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE with Data/$name on /dev/zero"
    n=$(grep -c "cannot read Data/$name (not a regular file)" "$WORK/app.err")
    [ "$n" -eq 1 ] || fail "Data/$name on /dev/zero reported $n times, not once"
    [ "$(readlink "$APP_DIR/Data/$name")" = /dev/zero ] || fail "Data/$name was written over"
done

own_data
ln -sf /dev/zero "$APP_DIR/Data/poly.txt"
start_app
wait_exit 60
[ "$APP_CODE" -eq 1 ] || fail "exit code $APP_CODE with Data/poly.txt on /dev/zero, not 1"
grep -q "Data/poly.txt" "$WORK/app.err" || fail "the model file is not named"
grep -q "cannot be read: not a regular file" "$WORK/app.err" || fail "the reason is not given"

timeout 30 "$BUILD_DIR/vorix-sim" --model /dev/zero >/dev/null 2>"$WORK/tool.err"
code=$?
[ "$code" -eq 1 ] || fail "vorix-sim --model /dev/zero: exit code $code (124: it hung)"
echo "PASS: /dev/zero as the scene, settings and model file is refused at once"
