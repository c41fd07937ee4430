# The installed program, started as a desktop user starts it: the vorix
# command from anywhere, with HOME and XDG_DATA_HOME of its own. Ctrl+1 keeps
# a scene in the user's scene.ini, Escape quits, nothing is written under the
# installation, and a second start (in a window this time) keeps the scene.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
prefix="$WORK/prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >"$WORK/install.out" 2>&1 || fail "install failed: $(tail -5 "$WORK/install.out")"
snapshot() { find "$prefix" -printf '%P %y %s %m %T@ %l\n' | sort; }
snapshot >"$WORK/prefix.before"
mkdir -p "$WORK/home" "$WORK/elsewhere"
export HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/data"
data="$XDG_DATA_HOME/vorix/Data"

# start_installed [args...]: the installed command, started in a folder of no
# importance, as a menu entry starts it.
start_installed() {
    (cd "$WORK/elsewhere" && VORIX_NO_DIALOGS=1 LIBGL_ALWAYS_SOFTWARE=1 exec "$prefix/bin/vorix" "$@") \
        >"$WORK/app.out" 2>"$WORK/app.err" &
    APP_PID=$!
}
saved_scene() { grep -E '^\[Name\]:[0-9]+-[ 0-9]{2}-[0-9]{4} [ 0-9]{2}:[ 0-9]{2}:[ 0-9]{2}$' "$data/scene.ini"; }

start_xvfb 1024x768x24
set_picture 1024 768
start_installed
wait_window
[ "$(window_size)" = "1024 768" ] || fail "the window is $(window_size), not the full screen"
wait_first_frame
xdotool key ctrl+1
for _ in $(seq 50); do
    [ "$(grep -c '^\[Name\]:' "$data/scene.ini")" -eq 7 ] && break
    sleep 0.1
done
[ "$(grep -c '^\[Name\]:' "$data/scene.ini")" -eq 7 ] || fail "the user's scene.ini holds $(grep -c '^\[Name\]:' "$data/scene.ini") scenes, not the 6 starters and the quick-saved one"
scene=$(saved_scene) || fail "no scene named with the date and time in the user's scene.ini"
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after Escape"
[ -f "$data/3d_eject.ini" ] && [ ! -L "$data/3d_eject.ini" ] || fail "the simulator wrote no settings file of the user's own"
[ -z "$(ls -A "$WORK/elsewhere")" ] || fail "files were written where the command was started: $(ls -A "$WORK/elsewhere")"
snapshot >"$WORK/prefix.after"
diff "$WORK/prefix.before" "$WORK/prefix.after" >"$WORK/prefix.diff" || fail "the installation changed: $(head -5 "$WORK/prefix.diff")"
cp "$data/scene.ini" "$WORK/scene.first"

# The second start, in a window: the arguments reach the simulator, and the scene is still there.
start_installed --windowed
wait_window
[ "$(window_size)" = "800 600" ] || fail "with --windowed the window is $(window_size), not 800 600"
sleep 1
[ "$(saved_scene)" = "$scene" ] || fail "the second start lost the saved scene"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE after the second start"
[ "$(saved_scene)" = "$scene" ] && [ "$(grep -c '^\[Name\]:' "$data/scene.ini")" -eq 7 ] || fail "the scenes changed over the second start"
snapshot >"$WORK/prefix.after"
diff "$WORK/prefix.before" "$WORK/prefix.after" >"$WORK/prefix.diff" || fail "the second start changed the installation: $(head -5 "$WORK/prefix.diff")"
echo "PASS: the installed command keeps the user's scenes in their own folder and writes nothing under the installation"
