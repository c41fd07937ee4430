# Picture helpers of the end-to-end tests on a letterboxed full-screen window:
# regions are given on the 800x600 virtual screen and cropped from the real
# screenshot through the picture's place on the screen.

# set_picture SCREEN_W SCREEN_H: the 4:3 picture, as large as fits, centred.
set_picture() {
    local sw=$1 sh=$2
    if [ $((sw * 600)) -le $((sh * 800)) ]; then
        PIC_W=$sw; PIC_H=$(( (sw * 600 + 400) / 800 ))
    else
        PIC_H=$sh; PIC_W=$(( (sh * 800 + 300) / 600 ))
    fi
    PIC_X=$(( (sw - PIC_W) / 2 )); PIC_Y=$(( (sh - PIC_H) / 2 ))
    SCREEN_W=$sw; SCREEN_H=$sh
}

# vgeom X Y W H: crop geometry on the screen for a virtual rectangle.
vgeom() {
    local x=$(( PIC_X + $1 * PIC_W / 800 )) y=$(( PIC_Y + $2 * PIC_H / 600 ))
    local w=$(( $3 * PIC_W / 800 )) h=$(( $4 * PIC_H / 600 ))
    echo "${w}x${h}+${x}+${y}"
}

# region_diff A B X Y W H: virtual pixels of a rectangle where some colour
# channel differs by more than a fifth between two shots (text changing over
# the sky counts; the slow drift of the clouds behind it does not). Counted
# in pixels of the 800x600 picture whatever the screen's size.
region_diff() {
    local g; g=$(vgeom "$3" "$4" "$5" "$6")
    convert \( "$1" -crop "$g" +repage \) \( "$2" -crop "$g" +repage \) -compose difference -composite \
        -separate -evaluate-sequence max -threshold 20% -format "%[fx:round(mean*800*600/$PIC_W/$PIC_H*w*h)]" info:
}

# region_mean SHOT X Y W H: mean brightness 0..1 of a virtual rectangle.
region_mean() { convert "$1" -crop "$(vgeom "$2" "$3" "$4" "$5")" +repage -colorspace gray -format '%[fx:mean]' info:; }

# screen_max SHOT GEOMETRY: brightest value 0..1 inside a screen rectangle.
screen_max() { convert "$1" -crop "$2" +repage -colorspace gray -format '%[fx:maxima]' info:; }

# pointer_by DX DY: a relative move of the pointer by (dx, dy) counts, as a
# mouse makes it: screen pixels, stopped at the picture's edges, where the
# motion goes on turning the free camera. home_pointer pushes it into the
# picture's top-left corner.
pointer_by() { xdotool mousemove_relative -- "$1" "$2"; sleep 0.15; }
home_pointer() { pointer_by -3000 -3000; }
# pointer_to X Y: the pointer to (x, y) of the virtual screen, as an absolute
# device (tablet, touch screen, remote desktop) puts it: the screen position
# of that point of the picture.
pointer_to() {
    xdotool mousemove "$((PIC_X + ($1 * PIC_W + 799) / 800))" "$((PIC_Y + ($2 * PIC_H + 599) / 600))"
    sleep 0.15
}

# same / changed A B "X Y W H": a virtual region looks alike in two shots, or
# clearly different (a few pixels of drifting clouds are alike).
same() { [ "$(region_diff "$1" "$2" $3)" -le 12 ]; }
changed() { [ "$(region_diff "$1" "$2" $3)" -gt 25 ]; }

# HUD regions on the virtual screen: camera-mode box, zoom read-out, run
# clock, text lines at the bottom left.
CAMBOX="570 541 190 40"; ZOOM="589 580 156 12"; CLOCK="289 44 94 28"; LINES="5 545 480 50"

# wait_first_frame: waits until the picture shows the scene (the loading
# screen is black); the shot is "$WORK/first.miff".
wait_first_frame() {
    for _ in $(seq 150); do
        screenshot "$WORK/first.miff"
        gt "$(region_mean "$WORK/first.miff" 300 250 200 100)" 0.25 && { sleep 0.3; return 0; }
        kill -0 "$APP_PID" 2>/dev/null || fail "simulator exited before its first frame"
        sleep 0.2
    done
    fail "no frame after the loading screen"
}

# double_click_starts_run BEFORE: a double click where the pointer stands
# starts a run, seen as the clock moving. Click times are taken as the
# program handles them; on a machine too busy to draw a frame in 150 ms a
# click can count as a long press, so it may take a retry.
double_click_starts_run() {
    for _ in 1 2 3; do
        xdotool click --repeat 2 --delay 60 1
        shot_until run changed "$1" "$WORK/run.miff" "$CLOCK" && return 0
    done
    return 1
}

# shot_until NAME CHECK...: screenshots "$WORK/NAME.miff" until the check
# holds (it usually names that shot), for up to ten seconds: a busy machine
# may take a while to handle the input and draw the frame that shows it.
shot_until() {
    local name=$1; shift
    for _ in $(seq 40); do
        sleep 0.25
        screenshot "$WORK/$name.miff"
        "$@" && return 0
        kill -0 "$APP_PID" 2>/dev/null || fail "simulator exited"
    done
    return 1
}

# gt A B: true when A > B (decimal numbers).
gt() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# keep_shots: with E2E_SHOTS set to a folder, the test's screenshots are
# copied there as PNG for a look.
keep_shots() {
    [ -n "${E2E_SHOTS:-}" ] || return 0
    mkdir -p "$E2E_SHOTS"
    for f in "$WORK"/*.miff; do convert "$f" "$E2E_SHOTS/$(basename "${f%.miff}").png"; done
}

# A failing check keeps its screenshots too.
if declare -f fail >/dev/null; then
    eval "common_$(declare -f fail)"
    fail() { keep_shots; common_fail "$@"; }
fi
