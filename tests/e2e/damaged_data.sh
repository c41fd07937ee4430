# A Data folder with a missing JPEG, a damaged JPEG and a missing TGA: each
# JPEG problem is reported with its path and loading goes on; the missing TGA
# ends the program after its report (which file and why on standard error),
# through the normal shutdown, with code 1: the program could not run.
source "$(dirname "$0")/common.bash"
start_xvfb
own_data
rm "$APP_DIR/Data/grass.jpg" "$APP_DIR/Data/tree2.tga"
head -c 700 "$BUILD_DIR/Data/wall3.jpg" > "$APP_DIR/Data/wall3.jpg"
start_app
wait_exit 60
[ "$APP_CODE" -eq 1 ] || fail "exit code $APP_CODE, not 1"
grep -q "Data/grass.jpg" "$WORK/app.err" || fail "missing JPEG not reported"
grep -q "Data/wall3.jpg" "$WORK/app.err" || fail "damaged JPEG not reported"
grep -q "FAIL to load TGA files" "$WORK/app.err" || fail "missing TGA not reported"
grep -q "Data/tree2.tga: cannot be opened" "$WORK/app.err" || fail "the failing TGA file not named"
echo "PASS: damaged Data reported file by file, shutdown with code 1"
