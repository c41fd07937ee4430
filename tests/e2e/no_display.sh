# Without a display the program says so in one line and exits non-zero.
source "$(dirname "$0")/common.bash"
out=$(cd "$BUILD_DIR" && env -u DISPLAY -u WAYLAND_DISPLAY ./vorix 2>&1)
code=$?
[ "$code" -ne 0 ] || fail "exit code 0 without a display"
lines=$(printf '%s\n' "$out" | grep -c .)
[ "$lines" -eq 1 ] || fail "expected one line, got: $out"
printf '%s\n' "$out" | grep -qi "display" || fail "message does not mention the display: $out"
echo "PASS: no display -> '$out' (exit $code)"
