# Helpers of the menu's end-to-end tests on an 800x600 screen: the program
# runs on a copy of the Data folder (it writes the scene and settings files
# there), clicks land at virtual-screen points.

# menu_start: Xvfb, a copy of Data, the program with its first frame, and a
# camera that stays still while the pointer moves about.
menu_start() {
    [ -n "${APP_DIR:-}" ] || own_data
    [ -n "$XVFB_PID" ] || start_xvfb 800x600x24
    set_picture 800 600
    start_app
    wait_window
    wait_first_frame
    xdotool key F4
    pointer_to 400 300
    sleep 0.5
}

# click_at X Y: a left click at a point of the virtual screen.
click_at() { pointer_to "$1" "$2"; xdotool click 1; }

# Regions of the open menu.
TABS="140 15 462 30"; PAGE="10 60 740 480"; DIALOG="180 190 411 260"; EDIT="200 205 371 45"
SCENES="200 150 400 200"; SELECTED="200 125 400 20"; KTAS="41 555 440 22"

# open_menu SHOT: clicks the MENU strip and waits for the panel's tab strip.
open_menu() {
    screenshot "$WORK/before_open.miff"
    click_at 15 50
    shot_until "$1" changed "$WORK/before_open.miff" "$WORK/$1.miff" "$TABS" || fail "the MENU strip did not open the menu"
    sleep 0.5
    screenshot "$WORK/$1.miff"
}

# choose_tab N SHOT: clicks tab N (1 ABOUT .. 6 OPTION) and waits for its page.
choose_tab() {
    local before="$WORK/before_tab$1.miff"
    screenshot "$before"
    click_at $((140 + 77 * ($1 - 1) + 38)) 30
    shot_until "$2" changed "$before" "$WORK/$2.miff" "$PAGE" || fail "tab $1 did not show its page"
}

# close_menu SHOT: clicks the EXIT strip and waits for the scene to return.
close_menu() {
    local before="$WORK/before_close.miff"
    screenshot "$before"
    click_at 780 60
    shot_until "$1" changed "$before" "$WORK/$1.miff" "$TABS" || fail "the EXIT strip did not close the menu"
    pointer_to 400 300
    sleep 0.8
    screenshot "$WORK/$1.miff"
}

# load_first_scene WHAT: from the SCENE page, selects the first name, loads it
# and checks that the HUD's airspeed line then differs from $WORK/start.miff.
load_first_scene() {
    click_at 300 160
    shot_until selected changed "$WORK/scenes.miff" "$WORK/selected.miff" "$SELECTED" || fail "no scene selected"
    click_at 286 438
    shot_until loaded changed "$WORK/selected.miff" "$WORK/loaded.miff" "$TABS" || fail "LOAD did not close the menu"
    sleep 0.8
    screenshot "$WORK/loaded.miff"
    changed "$WORK/start.miff" "$WORK/loaded.miff" "$KTAS" || fail "the HUD does not show $1"
}
