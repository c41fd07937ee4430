# The menu through real clicks: the MENU strip opens it on CONTROL, the
# airspeed spinner raises the set airspeed, every tab and every ABOUT and
# KEYMAP page shows, the EXIT strip closes it, and the HUD shows the new
# airspeed before and during the run that E starts.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
source "$(dirname "$0")/menu.bash"
menu_start
screenshot "$WORK/start.miff"

open_menu control
for _ in 1 2; do click_at 733 325; sleep 0.4; done  # airspeed +50 knots, twice
shot_until airspeed changed "$WORK/control.miff" "$WORK/airspeed.miff" "600 312 100 22" ||
    fail "the airspeed spinner did not change its row"

choose_tab 4 graph
choose_tab 5 scene
choose_tab 6 option
choose_tab 1 about1
for page in 2 3 4 5 6 7 8; do
    click_at 67 26
    shot_until "about$page" changed "$WORK/about$((page - 1)).miff" "$WORK/about$page.miff" "$PAGE" ||
        fail "the right arrow did not show ABOUT page $page"
done
click_at 67 26  # page 8 is the last
sleep 1
screenshot "$WORK/about8again.miff"
same "$WORK/about8.miff" "$WORK/about8again.miff" "$PAGE" || fail "the right arrow went past ABOUT page 8"
choose_tab 2 keymap1
click_at 67 26
shot_until keymap2 changed "$WORK/keymap1.miff" "$WORK/keymap2.miff" "$PAGE" || fail "no second KEYMAP page"

close_menu closed
changed "$WORK/start.miff" "$WORK/closed.miff" "$KTAS" || fail "the HUD does not show the new airspeed"
xdotool key e
shot_until run changed "$WORK/closed.miff" "$WORK/run.miff" "$CLOCK" || fail "E did not start a run"
changed "$WORK/start.miff" "$WORK/run.miff" "$KTAS" || fail "the run's HUD does not show the new airspeed"
keep_shots
xdotool key Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
echo "PASS: menu opened on its strip, airspeed set with a spinner and shown in the HUD, every tab and page shown"
