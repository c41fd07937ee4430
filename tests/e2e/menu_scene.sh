# A named scene through real input: the airspeed set on CONTROL, SAVE on the
# SCENE page, the name typed into the box and OK; Escape writes the file and
# closes the menu. After a restart the scene is loaded from the list and the
# HUD shows its airspeed.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
menu_start
screenshot "$WORK/start.miff"
open_menu open
for _ in 1 2; do click_at 733 325; sleep 0.4; done  # 100 knots
choose_tab 5 scene
click_at 586 438
shot_until dialog changed "$WORK/scene.miff" "$WORK/dialog.miff" "$DIALOG" || fail "SAVE did not open the name box"
xdotool key --delay 80 e 2 e space s c e n e
shot_until typed changed "$WORK/dialog.miff" "$WORK/typed.miff" "$EDIT" || fail "the name box shows no typing"
click_at 282 404
shot_until saved changed "$WORK/typed.miff" "$WORK/saved.miff" "$DIALOG" || fail "OK did not close the name box"
xdotool key Escape
shot_until closed changed "$WORK/saved.miff" "$WORK/closed.miff" "$TABS" || fail "Escape did not close the menu"
file="$APP_DIR/Data/scene.ini"
for _ in $(seq 20); do grep -q '^\[Name\]:E2E SCENE$' "$file" && break; sleep 0.2; done
grep -q '^\[Name\]:E2E SCENE$' "$file" || fail "scene.ini holds no 'E2E SCENE'"
airspeed=$(awk '/^\[Name\]:E2E SCENE$/ { getline; print $22 }' "$file")
[ "$airspeed" = "100.000" ] || fail "the saved airspeed is '$airspeed', not 100.000"
[ "$(grep -c '^\[Name\]:' "$file")" -ge 2 ] || fail "the starter scenes were lost"
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"

# Again: the list starts with the new scene (names sort byte by byte).
mv "$WORK/start.miff" "$WORK/first_start.miff"
menu_start
screenshot "$WORK/start.miff"
open_menu reopened
choose_tab 5 scenes
load_first_scene "the loaded airspeed"
keep_shots
xdotool key Escape
wait_exit 30
echo "PASS: a scene saved through the name box, written by Escape, loaded after a restart"
