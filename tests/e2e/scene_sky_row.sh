# The clear colour follows the eye's altitude in steps of 10,000 m. Below the
# cloud layer (9,500 m) its dome covers the sky; above it the layer lies flat
# below the eye and the clear colour shows over the horizon: a camera riding
# with a fighter raised far above a mode 5 scene (U, then =) sees one of the
# darker rows there.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/scene_pixels.bash"
start_xvfb
start_app
wait_window
sleep 2
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
# A short run gives the keys a measured frame rate to step by.
xdotool key --clearmodifiers Home e
sleep 2
xdotool key --clearmodifiers Home Tab u F4 2
sleep 1
shot mode5
top=$(region_rgb "$WORK/mode5.png" 300 20 250 0)
colour_near "$top" "40 114 175" 4 && fail "the clear colour of row 1 shows under the cloud dome: $top"

# Each = raises the fighter by 5,000 m over the measured frame rate: keep
# raising it until the eye is past 10,000 m (a rate near 500 needs a thousand).
row=""
for batch in $(seq 12); do
    xdotool key --clearmodifiers --repeat 300 --delay 1 equal
    sleep 0.5
    shot high
    top=$(region_rgb "$WORK/high.png" 300 20 250 0)
    for k in 1 2 3 4; do
        case $k in
        1) want="40 114 175" ;; 2) want="14 88 153" ;; 3) want="2 59 130" ;; 4) want="1 20 86" ;;
        esac
        colour_near "$top" "$want" 4 && row=$k
    done
    [ -n "$row" ] && break
    colour_near "$top" "124 168 205" 4 || fail "sky over the cloud layer is $top, not a sky row"
done
[ -n "$row" ] || fail "sky from high above is still $top, not one of the rows above 10,000 m"
xdotool key --clearmodifiers Escape
wait_exit 30
echo "PASS: cloud dome over a mode 5 scene, sky row $row from high above"
