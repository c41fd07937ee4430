# A Data folder without its sound folder: the loading screen shows both sound
# lines, the simulator runs on silent and ends cleanly on Escape.
source "$(dirname "$0")/common.bash"
start_xvfb
use_wave_audio
own_data
rm -r "$APP_DIR/Data/sound"
start_app
wait_window
for _ in $(seq 100); do
    grep -q "Sound OFF" "$WORK/app.err" && break
    sleep 0.1
done
grep -q "Error: File .wav file missing !" "$WORK/app.err" || fail "missing-sound line not shown"
grep -q "     : Sound OFF" "$WORK/app.err" || fail "sound-off line not shown"
screenshot "$WORK/loading.png"
# Red text where the two lines stand (x 140.., 220..250 up from the bottom).
red=$(convert "$WORK/loading.png" -crop 340x50+130+335 +repage -fx 'r>0.5&&g<0.3?1:0' -format '%[fx:mean]' info:)
awk -v r="$red" 'BEGIN{exit !(r > 0.01)}' || fail "no red lines on the loading screen (share $red)"
sleep 3
kill -0 "$APP_PID" 2>/dev/null || fail "simulator ended after the sound failure"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
loud=$(audio_levels 500 | awk '$2 > 0.001' | wc -l)
[ "$loud" -eq 0 ] || fail "$loud half-seconds of sound from a program without sounds"
echo "PASS: both sound lines shown, silent run, clean exit"
