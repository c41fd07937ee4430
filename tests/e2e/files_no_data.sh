# Started where there is no Data folder, the program says once what is
# missing and where it looked, and ends with a non-zero code.
source "$(dirname "$0")/common.bash"
start_xvfb
APP_DIR="$WORK/empty"
mkdir -p "$APP_DIR"
start_app
wait_exit 30
[ "$APP_CODE" -ne 0 ] || fail "exit code 0 without a Data folder"
lines=$(grep -c . "$WORK/app.err")
[ "$lines" -eq 1 ] || fail "$lines lines on standard error, not one"
grep -qF "no Data folder in $APP_DIR: start it from the build folder, or with scripts/run.sh" "$WORK/app.err" ||
    fail "the message does not say where the program looked: $(cat "$WORK/app.err")"
echo "PASS: no Data folder: one message, code $APP_CODE"
