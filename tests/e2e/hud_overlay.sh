# The instrument overlay through a run: the clock and the gauges before it,
# the MODE line and the clock at the pointer during it, the PAUSED banner,
# the frame rate in place of the lines when the text is hidden (Tab), and the
# MODE line gone once the pilot has landed.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
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

# Each check below looks again until it holds (shot_until): a busy machine
# may take a while to handle a key and draw the frame that shows it.
during_ok() {
    more "$(share "$WORK/during.miff" $MODE "$GREEN")" 0.02 &&
        more "$(share "$WORK/during.miff" 50x12+305+292 "$GREEN")" 0.01
}
paused_ok() { more "$(share "$WORK/paused.miff" $PAUSED "$BANNER")" 0.03; }
hidden_ok() {
    more "$(share "$WORK/hidden.miff" $FPS "$CYAN")" 0.02 &&
        more 0.005 "$(share "$WORK/hidden.miff" $MODE "$GREEN")" &&
        more 0.1 "$(convert "$WORK/hidden.miff" -crop $GMETER +repage -colorspace gray -format '%[fx:standard_deviation]' info:)"
}

xdotool key --clearmodifiers e
# The MODE line, and the clock following the pointer: green figures just
# right of (300, 300).
shot_until during during_ok || fail "no MODE line or no clock at the pointer during the run"

xdotool key --clearmodifiers p
shot_until paused paused_ok || fail "no PAUSED banner"
xdotool key --clearmodifiers p

xdotool key --clearmodifiers Tab
shot_until hidden hidden_ok || fail "no frame rate, or HUD lines or the G-meter drawn, with the text hidden"
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
