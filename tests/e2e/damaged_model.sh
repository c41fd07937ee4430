# A polygon model too big for the slot arrays: one report naming the file and
# the reason, then the normal shutdown with code 1.
source "$(dirname "$0")/common.bash"
start_xvfb
own_data
{ echo "Q 1 0 0 0 0 0 0"; yes "V 1 1 1" | head -n 60001; echo x; } > "$APP_DIR/Data/poly.txt"
start_app
wait_exit 60
[ "$APP_CODE" -eq 1 ] || fail "exit code $APP_CODE, not 1"
grep -q "more than 60000 slots" "$WORK/app.err" || fail "the reason is not given"
reports=$(grep -c "Data/poly.txt" "$WORK/app.err")
[ "$reports" -eq 1 ] || fail "the model failure was reported $reports times"
echo "PASS: an oversized model is reported once, shutdown with code 1"
