# Stepping a paused run with a real keyboard and mouse: Shift+W ten times
# moves the big clock by 1.00 s and Shift+Q ten times takes it back, Q stops
# at the trigger, the timeline shows across the top band, a left drag on it
# moves the clock without turning the camera, and P plays on from there. The
# program reports the paused clock (the big clock's figure as drawn, the
# simulation time, the camera's angles) on standard output.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb
set_picture 800 600
export VORIX_REPORT_PAUSED_CLOCK=1
start_app
wait_window
wait_first_frame
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
# The pointer mid-picture without the free camera turning on its way there.
xdotool key F4
pointer_to 400 300
xdotool key F1
sleep 0.5

# The last report: "vorix: paused at [ 0:1.92] flight 2519 ms of 11049,
# camera yaw 270.000 pitch 0.000".
last_report() { grep '^vorix: paused at' "$WORK/app.out" | tail -n1; }
# settle: waits until the reports stop changing (the keys have all been
# handled and drawn); sets R to the last one.
settle() {
    local a b c
    for _ in $(seq 40); do
        a=$(last_report); sleep 0.4; b=$(last_report); sleep 0.4; c=$(last_report)
        [ -n "$c" ] && [ "$a" = "$b" ] && [ "$b" = "$c" ] && { R=$c; return 0; }
    done
    fail "the paused clock's reports did not settle"
}
figure() { sed -E 's/.*\[([^]]*)\].*/\1/' <<<"$1"; }
seconds() { figure "$1" | awk -F: '{ m = $1 + 0; s = $2 + 0; printf "%.2f", (m < 0 ? -1 : 1) * (m < 0 ? -m : m) * 60 + s }'; }
flight() { sed -E 's/.* flight (-?[0-9]+) ms.*/\1/' <<<"$1"; }
runend() { sed -E 's/.* ms of ([0-9]+),.*/\1/' <<<"$1"; }
angles() { sed -E 's/.*camera //' <<<"$1"; }
keys() { for _ in $(seq "$2"); do xdotool key --clearmodifiers "$1"; done; }
# A share of the timeline's bar (virtual x 60..700, y 32..34) in its grey.
bar_share() {
    convert "$1" -crop "$(vgeom 60 32 640 3)" +repage \
        -fx 'abs(r-0.42)<0.06&&abs(g-0.42)<0.06&&abs(b-0.45)<0.06?1:0' -format '%[fx:mean]' info:
}

xdotool key e
shot_until run changed "$WORK/first.miff" "$WORK/run.miff" "$CLOCK" || fail "E did not start a run"
# Well into the run (the zero-zero run is stored for about 11 s), then P.
sleep 2
xdotool key p
settle
echo "paused: $R"
# Ctrl+W steps single milliseconds: to a time whose hundredths do not sit on
# the figure's rounding edge (the clock is shown to 0.01 s).
fine=$(( (12 - $(flight "$R") % 10) % 10 ))
keys ctrl+w "$fine"
settle
A=$R
echo "after $fine Ctrl+W: $A"
a_flight=$(flight "$A")
[ $((a_flight % 10)) -eq 2 ] || fail "Ctrl+W did not step single milliseconds: $A"
[ "$a_flight" -gt 1100 ] || fail "paused too early to step back a second: $A"
screenshot "$WORK/paused.miff"
gt "$(bar_share "$WORK/paused.miff")" 0.5 || fail "no timeline across the top band while paused"

keys shift+w 10
settle
B=$R
echo "ten Shift+W: $B"
[ "$(flight "$B")" -eq $((a_flight + 1000)) ] || fail "ten Shift+W moved the clock from $(flight "$A") to $(flight "$B") ms"
step=$(awk -v a="$(seconds "$A")" -v b="$(seconds "$B")" 'BEGIN { printf "%.2f", b - a }')
[ "$step" = "1.00" ] || fail "the big clock went from [$(figure "$A")] to [$(figure "$B")], not by 1.00 s"
shot_until ahead changed "$WORK/paused.miff" "$WORK/ahead.miff" "$CLOCK" || fail "the big clock on the screen did not change"

keys shift+q 10
settle
[ "$(figure "$R")" = "$(figure "$A")" ] && [ "$(flight "$R")" -eq "$a_flight" ] ||
    fail "ten Shift+Q did not take the clock back: $R"
shot_until back same "$WORK/paused.miff" "$WORK/back.miff" "$CLOCK" || fail "the big clock on the screen did not come back"

# Never before the trigger: the count-down's start.
keys shift+q $((a_flight / 100 + 5))
settle
[ "$(flight "$R")" -eq 0 ] || fail "Shift+Q went past the trigger: $R"
[ "$(figure "$R")" = " 0:-0.60" ] || fail "the big clock at the trigger reads [$(figure "$R")]"
keys ctrl+w 3
settle
[ "$(flight "$R")" -eq 3 ] || fail "three Ctrl+W did not step 3 ms: $R"

# A left drag along the timeline, from a third of the run to two thirds.
end=$(runend "$R")
at_x() { echo $((50 + ($1 * 670 + end / 2) / end)); }
from_x=$(at_x $((end / 3))); to_x=$(at_x $((2 * end / 3)))
before_angles=$(angles "$R")
pointer_to "$from_x" 33
xdotool mousedown 1; sleep 0.3
pointer_to $(((from_x + to_x) / 2)) 36; sleep 0.2
pointer_to "$to_x" 33; sleep 0.2
xdotool mouseup 1
settle
D=$R
echo "dragged: $D"
expected=$(( ((to_x - 50) * end + 335) / 670 ))
got=$(flight "$D")
[ $((got - expected)) -le 1 ] && [ $((expected - got)) -le 1 ] ||
    fail "the drag to x $to_x put the clock at $got ms, not $expected"
[ "$(angles "$D")" = "$before_angles" ] || fail "the drag on the timeline turned the camera: $before_angles -> $(angles "$D")"
grep -q '^vorix: playing on' "$WORK/app.out" && fail "the drag on the timeline let the run play on"

# P plays on from the dragged moment, and P again stops a little later.
xdotool key p
t0=$(date +%s%N)
for _ in $(seq 40); do grep -q '^vorix: playing on' "$WORK/app.out" && break; sleep 0.1; done
grep -q '^vorix: playing on' "$WORK/app.out" || fail "P did not play on"
sleep 0.5
xdotool key p
t1=$(date +%s%N)
settle
wall=$(( (t1 - t0) / 1000000 ))
resumed=$(flight "$R")
echo "played on for about $wall ms: $R"
[ "$resumed" -ge "$got" ] || fail "playing on went back from $got to $resumed ms"
[ "$resumed" -le $((got + wall + 500)) ] || fail "playing on jumped from $got to $resumed ms in $wall ms"

keep_shots
echo "PASS: Shift+W and Shift+Q step the paused clock by 1.00 s, Q stops at the trigger, the timeline's drag moves it without turning the camera, P plays on from there"
