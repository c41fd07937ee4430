# The loading screen shows its three stages in order, each before its work:
# files read in each stage are named pipes, so the stage holds until the test
# feeds its file. The stage's line is told by the width of its red text.
# First run: the first JPEG holds the textures stage and the first TGA (read
# after the model, which must be a regular file) the 3D-data stage; a TGA
# read from a pipe cannot be measured, so that run ends with the TGA failure
# (code 1). Second run: the first sound holds the sound stage; a sound that is
# not a regular file is refused with its path, and the program goes on and
# ends cleanly.
source "$(dirname "$0")/common.bash"
start_xvfb
use_wave_audio

# hold FILE...: each file of the Data folder becomes a named pipe; the file
# itself waits in $WORK.
hold() {
    for f in "$@"; do
        mv "$APP_DIR/Data/$f" "$WORK/$(basename "$f")"
        mkfifo "$APP_DIR/Data/$f"
    done
}

# Width in pixels of the red text on the stage line, and the red share of the title.
line_width() { convert "$1" -crop 470x40+90+262 +repage -fx 'r>0.5&&g<0.3?1:0' -trim -format '%w' info: 2>/dev/null; }
title_red() { convert "$1" -crop 580x60+80+35 +repage -fx 'r>0.5&&g<0.3?1:0' -format '%[fx:mean]' info:; }

# wait_stage NAME MIN MAX: the screen shows a stage line MIN..MAX pixels wide.
wait_stage() {
    local w=""
    for _ in $(seq 75); do
        screenshot "$WORK/$1.png"
        w=$(line_width "$WORK/$1.png")
        [ -n "$w" ] && [ "$w" -ge "$2" ] && [ "$w" -le "$3" ] && break
        kill -0 "$APP_PID" 2>/dev/null || fail "simulator ended during the $1 stage"
        sleep 0.2
    done
    [ -n "$w" ] && [ "$w" -ge "$2" ] && [ "$w" -le "$3" ] || fail "$1 stage not shown (line ${w:-empty} px wide)"
    awk -v r="$(title_red "$WORK/$1.png")" 'BEGIN{exit !(r > 0.05)}' || fail "no title on the $1 stage"
}

# "LOADING TEXTURES....", "LOADING 3D DATA....", "LOADING SOUND...." are 20,
# 19 and 17 characters at 20 px each.
own_data
hold c.jpg vori_left_top.tga
start_app
wait_window
wait_stage textures 380 400
cat "$WORK/c.jpg" >"$APP_DIR/Data/c.jpg"
wait_stage model 360 379
cat "$WORK/vori_left_top.tga" >"$APP_DIR/Data/vori_left_top.tga"
wait_exit 30
[ "$APP_CODE" -eq 1 ] || fail "exit code $APP_CODE after the TGA failure, not 1"
grep -q "FAIL to load TGA files" "$WORK/app.err" || fail "the TGA read from a pipe did not fail"

own_data
hold sound/rafale.wav
start_app
wait_window
wait_stage sound 320 340
cat "$WORK/rafale.wav" >"$APP_DIR/Data/sound/rafale.wav"

for _ in $(seq 100); do
    grep -q "rafale.wav" "$WORK/app.err" && break
    sleep 0.1
done
grep -q "Data/sound/rafale.wav: not a regular file" "$WORK/app.err" || fail "the refused sound not named"
grep -q "Error:" "$WORK/app.err" && fail "a refused effect other than the closing tune turned sound off"
sleep 1
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
echo "PASS: textures, 3D data and sound stages shown in order, each before its work"
