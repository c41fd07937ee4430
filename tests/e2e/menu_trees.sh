# The OPTION page's TREES switch through real clicks: the trees along the
# horizon go, and come back when it is switched on again.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
HORIZON="41 265 620 45"
menu_start
screenshot "$WORK/trees.miff"
open_menu open1
choose_tab 6 option
click_at 207 292
sleep 0.5
close_menu notrees
changed "$WORK/trees.miff" "$WORK/notrees.miff" "$HORIZON" || fail "the trees did not go"
open_menu open2
click_at 207 292
sleep 0.5
close_menu treesagain
same "$WORK/trees.miff" "$WORK/treesagain.miff" "$HORIZON" || fail "the trees did not come back"
keep_shots
xdotool key Escape
wait_exit 30
grep -q "^O 0 1 0 1 1$" "$APP_DIR/Data/3d_eject.ini" || fail "the settings file does not hold the switches"
echo "PASS: the TREES switch takes the trees away and brings them back"
