# A scene file of 120 presets: the list shows 100, and deleting one on the
# SCENE page writes the other 119 back, the 20 the list could not hold among
# them, unchanged.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
own_data
data="$APP_DIR/Data"
line=$(awk '/^\[Name\]:/ { getline; print; exit }' "$BUILD_DIR/Data/scene.ini")
{
    printf '\nWARNING: Do Not Edit ! May Cause Crash!\n'
    for k in $(seq 100 219); do
        printf '\n[Name]:scene %d\n' "$k"
        echo "$line" | awk -v k="$k" '{ $22 = sprintf("%d.000", k); printf "%s ", $0 }'
    done
    printf '\n[END]\n'
} >"$data/scene.ini"
cp "$data/scene.ini" "$WORK/scene.orig"
# What the file must hold after "scene 100" is deleted.
awk 'BEGIN { RS = "\n\\[Name\\]:"; ORS = "" } NR == 1 { print; next } $1 != "scene" || $2 != "100" { print "\n[Name]:" $0 }' \
    "$WORK/scene.orig" >"$WORK/scene.expected"
[ "$(grep -c '^\[Name\]:' "$WORK/scene.expected")" -eq 119 ] || fail "the expected file is not 119 scenes"

menu_start
open_menu open
choose_tab 5 scenes
click_at 300 160
shot_until selected changed "$WORK/scenes.miff" "$WORK/selected.miff" "$SELECTED" || fail "no scene selected"
click_at 466 438
for _ in $(seq 50); do
    [ "$(grep -c '^\[Name\]:' "$data/scene.ini")" -ne 120 ] && break
    sleep 0.2
done
keep_shots
xdotool key Escape
sleep 0.5
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
grep -q "holds 120 scenes" "$WORK/app.err" || fail "the scenes past the hundred are not told of"
n=$(grep -c '^\[Name\]:' "$data/scene.ini")
[ "$n" -eq 119 ] || fail "after one deletion the file holds $n scenes, not 119"
cmp -s "$WORK/scene.expected" "$data/scene.ini" || fail "the file is not the 119 other scenes unchanged"
echo "PASS: 120 scenes: one deleted, the other 119 kept unchanged"
