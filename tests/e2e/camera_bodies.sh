# Every camera key shows its body in the default run: F2 to F7 pressed before
# the run, during it and after the pilot has landed; each camera looks at its
# body, so the middle of the picture must hold it (the fighter's grey and
# shadow, the pilot and his seat), not only sky or grass. The view
# is zoomed in to 25 degrees, so that a pilot 50 m off covers enough pixels
# to be told from a few stray ones.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb
set_picture 800 600
start_app
wait_window
wait_first_frame

# share SHOT GEOMETRY FX: share of the pixels in a screen rectangle where FX holds.
share() { convert "$1" -crop "$2" +repage -fx "$3" -format '%[fx:mean]' info:; }
# body_share SHOT GEOMETRY: share of a screen rectangle covered by what a body
# leaves: neutral greys and shadows (the fighter, the seat, the pilot and his
# gear; chroma under 6 %, not brighter than 70 %), in patches of at least 3x3
# pixels (thin marker lines do not count). Sky is bluish or bright, grass green.
body_share() {
    convert "$1" -crop "$2" +repage \( -clone 0 -colorspace HCL -channel G -separate +channel -threshold 6% -negate \) \
        \( -clone 0 -colorspace HSB -channel B -separate +channel -threshold 70% -negate \) -delete 0 \
        -compose multiply -composite -morphology Open Square:1 -format '%[fx:mean]' info:
}
MIDDLE=320x240+240+180
GREEN='g>0.9&&r<0.8?1:0'
MODE=280x16+10+529

# The pointer in the corner, out of the middle; the zoom in to 25 degrees.
xdotool key F4
pointer_to 795 595
xdotool key --repeat 25 --delay 20 KP_Add

# look MOMENT: each camera key in turn shows its body in the middle, in a
# picture that already names the new camera (its box differs from the last
# camera's); during the run the MODE line must still stand.
PREVIOUS="$WORK/first.miff"
look() {
    local key
    for key in F2 F3 F4 F5 F6 F7; do
        xdotool key "$key"
        seen() {
            local shot="$WORK/$1_$key.miff"
            changed "$PREVIOUS" "$shot" "$CAMBOX" && gt "$(body_share "$shot" $MIDDLE)" 0.0015 &&
                { [ "$1" != during ] || gt "$(share "$shot" $MODE "$GREEN")" 0.02; }
        }
        shot_until "$1_$key" seen "$1" || fail "$key $1: no body in the middle of the picture"
        PREVIOUS="$WORK/$1_$key.miff"
    done
}

look before
# Played at half speed, the run leaves time to look with every key before
# the pilot lands (about 15 s into the run at full speed).
xdotool key KP_Multiply
xdotool key e
sleep 1
look during

# Once the pilot has landed the MODE line goes.
landed=""
for _ in $(seq 60); do
    sleep 1.5
    screenshot "$WORK/wait.miff"
    if gt 0.005 "$(share "$WORK/wait.miff" $MODE "$GREEN")"; then landed=1; break; fi
    kill -0 "$APP_PID" 2>/dev/null || fail "simulator exited"
done
[ -n "$landed" ] || fail "the pilot did not land"
look landed

keep_shots
# (Escape and the closing screen are checked elsewhere; the clean-up ends the program.)
echo "PASS: F2 to F7 show their body before the run, during it and after the landing"
