# Damaged scene and settings files through the real program: binary bytes, a
# 10 MB values line, a 10,000-character name, numbers too large for a float.
# The program starts, names both files on standard error, lists and loads the
# good scene, ends cleanly and leaves both files as they were. Then, with a
# Data folder it cannot write, a quick-saved scene is lost with one report and
# the program still ends cleanly.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
use_wave_audio  # sound on, as the settings file has it
own_data
data="$APP_DIR/Data"

# The first starter scene's values with the airspeed (value 22) at 450 knots.
good=$(awk '/^\[Name\]:/ { getline; $22 = "450.000"; print; exit }' "$BUILD_DIR/Data/scene.ini")
{
    printf '\nWARNING: Do Not Edit ! May Cause Crash!\n\n[Name]:kept scene\n%s \n' "$good"
    printf '[Name]:%s\n%s \n' "$(head -c 10000 /dev/zero | tr '\0' 'N')" "$good"
    printf '\x01\x02\xff\xfe\x00\x00 binary \x7f\x80\n'
    printf '[Name]:ten megabytes\n'
    yes '1.5 ' | head -c 10000000 | tr -d '\n'
    printf '\n[Name]:too large\n%s 1e39 -1e39 nan \n[END]\n' "$(head -c 60 /dev/zero | tr '\0' '9')"
} >"$data/scene.ini"
printf '\n// sky color\n\xff\xfe\x00 binary\nS 1e39 255 255\nF nan 0.5 0.5\nO 1 1 0 1 1\nx\n' >"$data/3d_eject.ini"
cp "$data/scene.ini" "$WORK/scene.orig"
cp "$data/3d_eject.ini" "$WORK/settings.orig"

menu_start
screenshot "$WORK/start.miff"
open_menu open
choose_tab 5 scenes
load_first_scene "the good scene's airspeed"
keep_shots
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
grep -q "Data/scene.ini holds more" "$WORK/app.err" || fail "the damaged scene file is not named"
grep -q "Data/3d_eject.ini holds" "$WORK/app.err" || fail "the damaged settings file is not named"
cmp -s "$WORK/scene.orig" "$data/scene.ini" || fail "the scene file was rewritten though nothing changed"
cmp -s "$WORK/settings.orig" "$data/3d_eject.ini" || fail "the settings file was rewritten though nothing changed"

# An unwritable Data folder (root writes anywhere, so the program then runs
# as nobody). A scene is quick-saved, and Escape tries to write it twice.
stop_xvfb
own_data
cp "$data/scene.ini" "$WORK/scene.orig"
# The program is copied beside its Data: the build folder may sit where
# nobody cannot reach it (a private temporary clone).
cp "$BUILD_DIR/vorix" "$WORK/vorix"
chmod -R a+rX "$WORK"
chmod 555 "$data"
run_as=""
[ "$(id -u)" -eq 0 ] && run_as="setpriv --reuid=65534 --regid=65534 --clear-groups"
start_xvfb 800x600x24
set_picture 800 600
(cd "$APP_DIR" && VORIX_NO_DIALOGS=1 LIBGL_ALWAYS_SOFTWARE=1 exec $run_as "$WORK/vorix") \
    >"$WORK/app.out" 2>"$WORK/app.err" &
APP_PID=$!
wait_window
wait_first_frame
# One quick chord: Ctrl is let go before the frame handles the 1, as a
# fast hand does on a slow machine.
xdotool key ctrl+1
sleep 0.3
xdotool key space
sleep 0.5
xdotool key Escape
sleep 0.5
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE with an unwritable Data folder"
[ "$(grep -c "cannot write Data/scene.ini" "$WORK/app.err")" -eq 1 ] || fail "the unwritable scene file is not reported once"
grep -q "cannot write Data/3d_eject.ini" "$WORK/app.err" || fail "the unwritable settings file is not reported"
cmp -s "$WORK/scene.orig" "$data/scene.ini" || fail "the scene file changed in an unwritable folder"
ls "$data" | grep -q tmp && fail "a temporary file was left in the Data folder"
chmod 755 "$data"
echo "PASS: damaged files load what they can and stay as they were; an unwritable folder is reported once"
