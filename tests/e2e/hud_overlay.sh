# The instrument overlay through a run: the clock and the gauges before it,
# the MODE line and the clock at the pointer during it, the PAUSED banner,
# the frame rate in place of the lines when the text is hidden (Tab), and the
# MODE line gone once the pilot has landed.
source "$(dirname "$0")/common.bash"
start_xvfb
start_app
wait_window
xdotool windowfocus --sync "$WINDOW" 2>/dev/null

# share SHOT GEOMETRY FX: share of the pixels in a screen rectangle where FX holds.
share() { convert "$1" -crop "$2" +repage -fx "$3" -format '%[fx:mean]' info:; }
more() { awk -v a="$1" -v b="$2" 'BEGIN{exit !(a > b)}'; }
GREEN='g>0.9&&r<0.8?1:0'
CYAN='g>0.6&&b>0.6&&r<0.4?1:0'
BANNER='r>0.6&&g>0.7&&b<0.6?1:0'
CLOCK=130x32+271+44        # the big clock, under the top band
MODE=280x16+10+529         # the MODE line, above CG_off in the bottom band
FPS=70x16+690+19           # the frame-rate read-out at the top right
PAUSED=190x50+320+252      # the banner
GMETER=110x110+685+191

# The loading screen comes first; wait for the clock of the first frames.
shown=""
for _ in $(seq 40); do
    screenshot "$WORK/before.png"
    if more "$(share "$WORK/before.png" $CLOCK "$GREEN")" 0.02; then shown=1; break; fi
    sleep 0.5
done
[ -n "$shown" ] || fail "no green clock before the run"
xdotool mousemove_relative -- -3000 -3000; sleep 0.1
xdotool mousemove_relative -- 300 300; sleep 0.2
screenshot "$WORK/before.png"
more 0.005 "$(share "$WORK/before.png" $MODE "$GREEN")" || fail "a MODE line before any run"
more "$(convert "$WORK/before.png" -crop $GMETER +repage -colorspace gray -format '%[fx:standard_deviation]' info:)" 0.15 \
    || fail "no G-meter face at the right edge"
# The bottom band darkens the picture to 30 %.
more 0.3 "$(convert "$WORK/before.png" -crop 200x30+300+560 +repage -colorspace gray -format '%[fx:mean]' info:)" \
    || fail "the bottom band is not shaded"

xdotool key --clearmodifiers e
sleep 2
screenshot "$WORK/during.png"
more "$(share "$WORK/during.png" $MODE "$GREEN")" 0.02 || fail "no MODE line during the run"
# The clock follows the pointer: green figures just right of (300, 300).
more "$(share "$WORK/during.png" 50x12+305+292 "$GREEN")" 0.01 || fail "no clock at the pointer"

xdotool key --clearmodifiers p
sleep 0.5
screenshot "$WORK/paused.png"
more "$(share "$WORK/paused.png" $PAUSED "$BANNER")" 0.03 || fail "no PAUSED banner"
xdotool key --clearmodifiers p

xdotool key --clearmodifiers Tab
sleep 0.8
screenshot "$WORK/hidden.png"
more "$(share "$WORK/hidden.png" $FPS "$CYAN")" 0.02 || fail "no frame rate with the text hidden"
more 0.005 "$(share "$WORK/hidden.png" $MODE "$GREEN")" || fail "HUD lines drawn with the text hidden"
more 0.1 "$(convert "$WORK/hidden.png" -crop $GMETER +repage -colorspace gray -format '%[fx:standard_deviation]' info:)" \
    || fail "the G-meter stays with the text hidden"
xdotool key --clearmodifiers Tab

# The default run lands about half a minute after the trigger.
landed=""
for _ in $(seq 30); do
    sleep 2
    screenshot "$WORK/late.png"
    if more 0.005 "$(share "$WORK/late.png" $MODE "$GREEN")"; then landed=1; break; fi
done
[ -n "$landed" ] || fail "the MODE line stays after the landing"
more "$(share "$WORK/late.png" $CLOCK "$GREEN")" 0.02 || fail "no clock after the landing"

xdotool key --clearmodifiers Escape
wait_exit 30
echo "PASS: HUD before, during, paused, hidden and after landing"
