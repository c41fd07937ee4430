# The trail and the ghost under real keys. A zero-zero run paused: T draws its
# trail into the standing picture and T again takes it away. Then Y keeps that
# run as the ghost and a 200 kt run is flown, watched from far back: paused,
# both trails are in the picture and the HUD compares the runs; Shift+Y takes
# the ghost's trail and the line away, T the run's own trail.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/picture.bash"
start_xvfb 800x600x24
set_picture 800 600
start_app
wait_window
wait_first_frame

# The scene between the HUD's bands, left of the gauges; the PAUSED banner in
# it is drawn in a random half of the font sheet every frame, so changes are
# counted around it.
SCENE="40 45 630 450"; BANNER="310 240 210 72"; COMPARE="40 499 660 21"
scene_diff() { echo $(( $(region_diff "$1" "$2" $SCENE) - $(region_diff "$1" "$2" $BANNER) )); }
differs() { [ "$(scene_diff "$1" "$2")" -gt "${3:-150}" ]; }
alike() { [ "$(scene_diff "$1" "$2")" -le 40 ]; }
# frozen NAME: two shots of a paused run a second apart that agree.
frozen() {
    for _ in 1 2 3 4 5; do
        screenshot "$WORK/$1.miff"
        sleep 1
        screenshot "$WORK/$1-again.miff"
        alike "$WORK/$1.miff" "$WORK/$1-again.miff" && return 0
    done
    return 1
}

# The zero-zero run from the free camera turned to the fighter, the pointer
# (and the clock that follows it) down in the HUD's band.
pointer_to 790 590
xdotool key --clearmodifiers Home F4
sleep 0.5
xdotool key --clearmodifiers e
sleep 3.5
xdotool key --clearmodifiers p
frozen plain || fail "the paused zero-zero run did not stand still"
xdotool key --clearmodifiers t
shot_until trail differs "$WORK/plain.miff" "$WORK/trail.miff" || fail "T did not draw the trail while paused"
xdotool key --clearmodifiers t
shot_until untrail alike "$WORK/plain.miff" "$WORK/untrail.miff" || fail "T again did not take the trail away"
xdotool key --clearmodifiers t p
sleep 1

# Y keeps this run; then 200 kt, seen from 240 m further back and turned 20
# degrees to the right, so that both runs are in view.
xdotool key --clearmodifiers y
sleep 0.3
xdotool key --clearmodifiers Home
xdotool key --clearmodifiers --repeat 20 --delay 20 period
for _ in $(seq 10); do xdotool click 5; sleep 0.1; done
xdotool key --clearmodifiers k k
sleep 0.5
xdotool key --clearmodifiers e
sleep 5
xdotool key --clearmodifiers p
frozen both || fail "the paused 200 kt run did not stand still"
xdotool key --clearmodifiers shift+y
shot_until noghost differs "$WORK/both.miff" "$WORK/noghost.miff" 100 || fail "Shift+Y did not take the ghost's trail away"
changed "$WORK/both.miff" "$WORK/noghost.miff" "$COMPARE" || fail "the HUD did not compare the run with the ghost"
xdotool key --clearmodifiers t
shot_until bare differs "$WORK/noghost.miff" "$WORK/bare.miff" 100 || fail "T did not take the run's own trail away"
# The two trails lie apart: the ghost's near the tower, where the fighter
# stood, this run's down the runway to the right of it.
ghost_left=$(region_diff "$WORK/both.miff" "$WORK/noghost.miff" 40 45 240 450)
own_right=$(region_diff "$WORK/noghost.miff" "$WORK/bare.miff" 280 45 390 450)
echo "ghost trail pixels $ghost_left, own trail pixels $own_right"
[ "$ghost_left" -gt 60 ] || fail "no ghost trail where the zero-zero run flew ($ghost_left)"
[ "$own_right" -gt 60 ] || fail "no trail of the 200 kt run ($own_right)"
keep_shots
echo "PASS: T draws and takes away the trail while paused; Y keeps a ghost shown beside a 200 kt run"
