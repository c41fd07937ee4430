# A rebuild runs the asset generator over the Data folder again (whenever it
# relinks): a scene the user saved and the settings stay as they are, and only
# a Data folder without scene.ini gets the starter scenes.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb
set_picture 800 600
own_data
data="$APP_DIR/Data"
start_app
wait_window
wait_first_frame
xdotool key ctrl+1
sleep 0.5
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
[ "$(grep -c '^\[Name\]:' "$data/scene.ini")" -eq 7 ] || fail "the quick-saved scene was not written"
printf '\n// sky color\n\nS 0.000 0.000 0.000\nF 0.100 0.200 0.300\nO 1 0 1 1 1\nx\n' >"$data/3d_eject.ini"
cp "$data/scene.ini" "$WORK/scene.saved"
cp "$data/3d_eject.ini" "$WORK/settings.saved"

"$BUILD_DIR/vorix-assetgen" "$data" >"$WORK/gen.out" 2>&1 || fail "the generator failed: $(cat "$WORK/gen.out")"
cmp -s "$WORK/scene.saved" "$data/scene.ini" || fail "the generator replaced the saved scenes ($(grep -c '^\[Name\]:' "$data/scene.ini") left)"
cmp -s "$WORK/settings.saved" "$data/3d_eject.ini" || fail "the generator replaced the settings"

rm "$data/scene.ini"
"$BUILD_DIR/vorix-assetgen" "$data" >"$WORK/gen.out" 2>&1 || fail "the generator failed: $(cat "$WORK/gen.out")"
cmp -s "$BUILD_DIR/Data/scene.ini" "$data/scene.ini" || [ "$(grep -c '^\[Name\]:' "$data/scene.ini")" -eq 6 ] ||
    fail "no starter scenes where the file was missing"
echo "PASS: the generator keeps saved scenes and settings, and writes the starter scenes only where none are"
