# A scene file and a settings file that are there but cannot be read (no
# read permission): each is named once on standard error and on the loading
# screen, the SCENE page says the scenes are not saved, and neither file is
# written over: not at start-up, not by a quick-saved scene, not at the end.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
own_data
data="$APP_DIR/Data"
printf '\n// sky color\n\nS 0.000 0.000 0.000\nF 0.100 0.200 0.300\nO 1 0 1 1 1\nx\n' >"$data/3d_eject.ini"
chmod 000 "$data/scene.ini" "$data/3d_eject.ini"
cp -p "$data/scene.ini" "$WORK/scene.orig"
cp -p "$data/3d_eject.ini" "$WORK/settings.orig"
# Root reads anything, so the program then runs as nobody; it is copied beside
# its Data, as the build folder may sit where nobody cannot reach it.
cp "$BUILD_DIR/vorix" "$WORK/vorix"
chmod a+rX "$WORK" "$APP_DIR"
chmod -R a+rwX "$data"
chmod 000 "$data/scene.ini" "$data/3d_eject.ini"
run_as=""
[ "$(id -u)" -eq 0 ] && run_as="setpriv --reuid=65534 --regid=65534 --clear-groups"
start_xvfb 800x600x24
set_picture 800 600
(cd "$APP_DIR" && VORIX_NO_DIALOGS=1 LIBGL_ALWAYS_SOFTWARE=1 exec $run_as "$WORK/vorix") \
    >"$WORK/app.out" 2>"$WORK/app.err" &
APP_PID=$!
wait_window
# The loading screen holds its last stage two seconds with the two lines.
for _ in $(seq 100); do
    screenshot "$WORK/loading.miff"
    grep -q "cannot read Data/scene.ini" "$WORK/app.err" && break
    sleep 0.1
done
sleep 0.5
screenshot "$WORK/loading.miff"
wait_first_frame
xdotool key F4
pointer_to 400 300
sleep 0.5
xdotool key ctrl+1
sleep 0.5
open_menu open
choose_tab 5 scenes
keep_shots
xdotool key Escape
sleep 0.5
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
for name in scene.ini 3d_eject.ini; do
    n=$(grep -c "cannot read Data/$name (Permission denied)" "$WORK/app.err")
    [ "$n" -eq 1 ] || fail "Data/$name reported $n times, not once"
done
cmp -s "$WORK/scene.orig" "$data/scene.ini" || fail "the unreadable scene file was written over"
cmp -s "$WORK/settings.orig" "$data/3d_eject.ini" || fail "the unreadable settings file was written over"
[ "$(stat -c %a "$data/scene.ini") $(stat -c %a "$data/3d_eject.ini")" = "0 0" ] || fail "the files' permissions changed"
ls "$data" | grep -q tmp && fail "a temporary file was left in the Data folder"
chmod 644 "$data/scene.ini" "$data/3d_eject.ini"
echo "PASS: unreadable scene and settings files are told once and left as they were"
