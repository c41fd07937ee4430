# The reload key R reads the settings and scene files again: a scene
# quick-saved just before stays in the list and in the file.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
menu_start
xdotool key ctrl+1
sleep 0.5
xdotool key r
sleep 1
open_menu open
choose_tab 5 scenes
keep_shots
n=$(grep -c '^\[Name\]:' "$APP_DIR/Data/scene.ini")
[ "$n" -eq 7 ] || fail "after R the file holds $n scenes"
xdotool key Escape
sleep 0.5
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
n=$(grep -c '^\[Name\]:' "$APP_DIR/Data/scene.ini")
[ "$n" -eq 7 ] || fail "after R and Escape the file holds $n scenes, not the 6 starters and the quick-saved one"
echo "PASS: R keeps a quick-saved scene"
