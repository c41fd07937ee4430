# Two programs in one Data folder each quick-save a scene (Ctrl+1) and end
# with Escape: the file keeps both scenes and the six it held.
source "$(dirname "$0")/common.bash"
start_xvfb
own_data
data="$APP_DIR/Data"
declare -A PID
for who in first second; do
    (cd "$APP_DIR" && VORIX_NO_DIALOGS=1 VORIX_REPORT_FIRST_FRAME=1 LIBGL_ALWAYS_SOFTWARE=1 exec "$BUILD_DIR/vorix") \
        >"$WORK/$who.out" 2>"$WORK/$who.err" &
    PID[$who]=$!
done
APP_PID=${PID[first]}  # cleaned up by common.bash; the second is ended below
trap 'kill -9 ${PID[second]} 2>/dev/null; cleanup' EXIT
for who in first second; do
    for _ in $(seq 600); do
        grep -q "first frame" "$WORK/$who.out" 2>/dev/null && break
        kill -0 "${PID[$who]}" 2>/dev/null || fail "the $who program exited: $(tail -5 "$WORK/$who.err")"
        sleep 0.1
    done
    grep -q "first frame" "$WORK/$who.out" || fail "the $who program shows no frame"
done
# focus WHO: gives the keyboard to that program's window.
focus() {
    local win
    win=$(xdotool search --all --onlyvisible --pid "${PID[$1]}" --name "^${TITLE}\$" | head -n1)
    [ -n "$win" ] || fail "no window of the $1 program"
    xdotool windowfocus --sync "$win"
    sleep 0.3
}
for who in first second; do
    focus "$who"
    xdotool key ctrl+1
    sleep 1.2  # another second: another name
done
# One after the other.
for who in first second; do
    focus "$who"
    xdotool key Escape
    APP_PID=${PID[$who]}
    wait_exit 30
    [ "$APP_CODE" -eq 0 ] || fail "the $who program ended with code $APP_CODE"
done
n=$(grep -c '^\[Name\]:' "$data/scene.ini")
[ "$n" -eq 8 ] || fail "the file holds $n scenes, not the 6 starters and one of each program"
echo "PASS: two programs in one Data folder keep both their scenes"
