# Each effect of an ejection is heard at its moment. The effect files are
# replaced by tones of their own pitch (engine 300 Hz, ejection 700 Hz,
# catapult 1100 Hz, parachute opening 1700 Hz, closing tune 2500 Hz; the rest
# silent; the camera orbits the pilot); OpenAL records what is played, and the onset of each tone after
# the engine's is compared with the moment the run's figures give.
source "$(dirname "$0")/common.bash"
start_xvfb
use_wave_audio
own_data
tone() { "$BUILD_DIR/wav-probe" tone "$1" "$2" "$APP_DIR/Data/sound/$3" || fail "cannot write $3"; }
for f in "$APP_DIR"/Data/sound/*.wav; do tone 0 0.5 "$(basename "$f")"; done
tone 300 1 rafale.wav
tone 700 1 ejecting.wav
tone 1100 1 eject_r.wav
tone 1700 1 chute_open.wav
tone 2500 6 int.wav

# The run the simulator will compute: 200 kt on the ground, default seat.
figures=$("$BUILD_DIR/vorix-sim" --set initialTasKt=200) || fail "vorix-sim failed"
num() { sed -n "s/.*\"$1\":\([-0-9.e]*\).*/\1/p" <<<"$figures"; }
stroke=$(num catapultPhaseTimeS); mainFire=$(num tMainFire); openTau=$(num mainChuteFullyOpenTauS)
[ -n "$stroke" ] && [ -n "$mainFire" ] && [ -n "$openTau" ] || fail "run figures missing: $figures"

start_app
wait_window
sleep 1.5
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers $(printf "period %.0s" $(seq 20))  # 20 steps of 10 kt
# Orbit on the pilot: the camera stays within earshot of seat and parachute.
xdotool key --clearmodifiers F7
sleep 0.3
xdotool key --clearmodifiers e
sleep 4
xdotool key --clearmodifiers Escape
wait_exit 40
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
audio_levels 20 300 700 1100 1700 2500 >"$WORK/levels.txt" || fail "no audio recorded"

# onset COLUMN: first time the tone in that column is heard.
onset() { awk -v c="$1" '$c > 0.015 { print $1; exit }' "$WORK/levels.txt"; }
engine=$(onset 3); eject=$(onset 4); catapult=$(onset 5); chute=$(onset 6); tune=$(onset 7)
echo "onsets: engine $engine, ejection $eject, catapult $catapult, chute $chute, tune $tune"
[ -n "$engine" ] || fail "engine never heard"
check() { # name onset expected-offset-after-engine
    [ -n "$2" ] || fail "$1 never heard"
    awk -v o="$2" -v e="$engine" -v x="$3" 'BEGIN { d = o - e - x; exit !(d > -0.3 && d < 0.3) }' \
        || fail "$1 at $2 s, expected $3 s after the engine ($engine s)"
}
lead=0.6  # default count-down and canopy delay
check "ejection sound" "$eject" "$(awk -v l=$lead -v s="$stroke" 'BEGIN{print l + s - 0.7}')"
check "catapult" "$catapult" "$(awk -v l=$lead -v s="$stroke" 'BEGIN{t = s - 0.08; if (t < 0) t = 0; print l + t}')"
check "parachute opening" "$chute" "$(awk -v l=$lead -v m="$mainFire" -v o="$openTau" 'BEGIN{print l + m + o - 1.3}')"
# The engine runs on until the closing screen, where the tune takes over.
awk -v e="$engine" -v t="$tune" '$1 > e + 0.2 && $1 < t - 0.2 && $3 < 0.015 { bad++ } END { exit bad > 2 }' \
    "$WORK/levels.txt" || fail "engine dropped out before the closing screen"
awk -v t="$tune" '$1 > t + 0.2 && $1 < t + 4.5 && $7 < 0.015 { bad++ } END { exit bad > 2 }' \
    "$WORK/levels.txt" || fail "closing tune not heard through the closing screen"
echo "PASS: engine, ejection sound, catapult and parachute opening at their moments; closing tune at exit"
