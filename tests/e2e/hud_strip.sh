# The HUD lines at the left edge beside the closed menu's MENU strip: the
# first words of every line ("MODE 1", "CG_off", "Init KTAS", "GUNCAT") show
# in the strip's columns in every camera mode, before and during a run, and a
# click on the strip still opens the menu.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb
set_picture 800 600
start_app
wait_window
wait_first_frame

# share SHOT GEOMETRY FX: share of the pixels in a screen rectangle where FX holds.
share() { convert "$1" -crop "$2" +repage -fx "$3" -format '%[fx:mean]' info:; }
GREEN='g>0.8&&r<0.5&&b<0.5?1:0'
WHITE='r>0.75&&g>0.75&&b>0.75?1:0'
CYAN='g>0.7&&b>0.75&&r<0.6?1:0'
BROWN='r>0.15&&r<0.5&&b<0.2&&r>b+0.06?1:0'
# The strip's columns x 10..40 of each line (top-left origin).
MODE_START=31x14+10+530
CG_START=31x10+10+546
INIT_START=31x14+10+562
GUNCAT_START=31x14+10+581
LETTERS=30x90+2+12            # the strip with the MENU letters

# The first words of the lines that stand before a run (and during it).
lines_ok() {
    gt "$(share "$1" $CG_START "$GREEN")" 0.04 &&
        gt "$(share "$1" $INIT_START "$WHITE")" 0.06 &&
        gt "$(share "$1" $GUNCAT_START "$CYAN")" 0.06
}
strip_ok() { gt "$(share "$1" $LETTERS "$BROWN")" 0.3; }

# The pointer away from the lines, placed in a watch camera (the free camera
# would turn while the pointer is pushed into a corner).
xdotool key F4
pointer_to 400 300
for mode in F1 F2 F3 F4 F5 F6 F7; do
    xdotool key "$mode"
    shot_until "before_$mode" lines_ok "$WORK/before_$mode.miff" ||
        fail "$mode before the run: a HUD line lost its first word under the MENU strip"
    strip_ok "$WORK/before_$mode.miff" || fail "$mode: no MENU strip at the left edge"
done

# During the run the MODE line comes too.
during_ok() { lines_ok "$1" && gt "$(share "$1" $MODE_START "$GREEN")" 0.08; }
xdotool key e
for mode in F2 F3 F4 F5 F6 F7 F1; do
    xdotool key "$mode"
    shot_until "during_$mode" during_ok "$WORK/during_$mode.miff" ||
        fail "$mode during the run: a HUD line lost its first word under the MENU strip"
    strip_ok "$WORK/during_$mode.miff" || fail "$mode: no MENU strip during the run"
done

# The strip still opens the menu: a click on it shows the tab strip.
xdotool key F4
pointer_to 15 50
sleep 0.3
screenshot "$WORK/closed.miff"
xdotool click 1
menu_open() { changed "$WORK/closed.miff" "$WORK/opened.miff" "140 15 462 30"; }
shot_until opened menu_open || fail "a click on the MENU strip did not open the menu"

keep_shots
echo "PASS: every HUD line whole beside the MENU strip in every camera mode, before and during a run; the strip opens the menu"
