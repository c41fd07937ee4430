# Every JPEG replaced by a small file that declares 8192 x 8192 pixels: each is
# reported with its path and size, refused before decoding, and the program
# starts and quits on Escape as usual. Prints the peak memory it reached.
source "$(dirname "$0")/common.bash"
start_xvfb
own_data
vast="$WORK/vast.jpg"
cp "$BUILD_DIR/Data/shinfront.jpg" "$vast"
# The baseline frame header: marker, length (2), precision (1), height, width.
sof=$(LC_ALL=C grep -obUaP '\xFF\xC0' "$vast" | head -n1 | cut -d: -f1)
[ -n "$sof" ] || fail "no frame header in shinfront.jpg"
printf '\x20\x00\x20\x00' | dd of="$vast" bs=1 seek=$((sof + 5)) conv=notrunc status=none
count=0
for f in "$APP_DIR"/Data/*.jpg; do cp "$vast" "$f"; count=$((count + 1)); done

start_app
wait_window
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --clearmodifiers Escape
peak=""
for _ in $(seq 600); do
    hwm=$(awk '/^VmHWM/{print $2}' "/proc/$APP_PID/status" 2>/dev/null) || true
    [ -n "$hwm" ] && peak=$hwm
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
wait_exit 30
[ "$APP_CODE" -eq 0 ] || fail "exit code $APP_CODE"
reported=$(grep -c "^Error: Data/.*\.jpg$" "$WORK/app.err")
sizes=$(grep -c "8192 x 8192 pixels" "$WORK/app.err")
# The start-up set is reported; the photo set loads only when its page opens.
[ "$reported" -eq 28 ] || fail "$reported JPEG files reported, expected 28"
[ "$sizes" -eq 28 ] || fail "$sizes reports give the declared size, expected 28"
echo "peak resident memory: ${peak:-?} kB ($count JPEG files replaced)"
echo "PASS: oversized JPEGs are refused one by one and the program runs"
