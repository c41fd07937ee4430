# With the sounds in place the program starts silent (no run, no tune) and
# the closing tune sounds through the five-second closing screen.
source "$(dirname "$0")/common.bash"
start_xvfb
use_wave_audio
start_app
wait_window
sleep 2
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers Escape
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
grep -q "Error:" "$WORK/app.err" && fail "sound set-up reported an error"
audio_levels 250 >"$WORK/energy.txt" || fail "no audio written"
total=$(tail -n1 "$WORK/energy.txt" | cut -d' ' -f1)
# The device closes right after the closing screen: its last 5 s are the tune.
awk -v T="$total" '$1 >= T - 4.5 && $1 < T - 0.5 { n++; if ($2 > 0.005) loud++ }
    END { exit !(n >= 10 && loud >= n * 0.9) }' "$WORK/energy.txt" \
    || fail "closing tune not heard during the closing screen: $(tr '\n' ' ' <"$WORK/energy.txt")"
echo "PASS: closing tune through the closing screen"
