# Shared steps of the end-to-end tests: a private Xvfb screen of 800x600, the
# simulator started in it, its window found by title, and clean-up on exit.
set -u
BUILD_DIR=$(cd "${1:?build dir}" && pwd)
TITLE="VORIX - Ejection seat simulation version 1.0"
XVFB_PID=""
APP_PID=""
WORK=$(mktemp -d)

# stop_xvfb: ends the private X server and waits until it is gone. A server
# still shutting down removes its socket files as it goes, and would take
# away the socket of a new server that was given the same display number.
stop_xvfb() {
    [ -n "$XVFB_PID" ] || return 0
    kill "$XVFB_PID" 2>/dev/null
    for _ in $(seq 100); do
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    # A server that does not end in 5 s is ended hard; either way the next
    # server starts only after this one is reaped.
    kill -0 "$XVFB_PID" 2>/dev/null && kill -9 "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}

cleanup() {
    [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -f "$WORK/app.err" ] && sed 's/^/  app: /' "$WORK/app.err" | tail -20
    # Whether the private X server still runs, and what it said, tells a
    # fault of the program from one of the test machine.
    if [ -n "$XVFB_PID" ]; then
        kill -0 "$XVFB_PID" 2>/dev/null && echo "  Xvfb ${DISPLAY:-}: running" || echo "  Xvfb ${DISPLAY:-}: gone"
        [ -s "$WORK/xvfb.log" ] && sed 's/^/  xvfb: /' "$WORK/xvfb.log" | tail -10
    fi
    exit 1
}

start_xvfb() {
    local size=${1:-800x600x24}
    exec 9>"$WORK/display"
    # No reset when the last client leaves: the readiness probe below is
    # one, and the program must find the same server it answered from.
    Xvfb -displayfd 9 -screen 0 "$size" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$WORK/display" ] && break
        sleep 0.1
    done
    [ -s "$WORK/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$WORK/display")"
    # On a busy machine the number can come before the server answers.
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb on $DISPLAY does not answer"
}

# own_data: the program runs from $WORK/run with its own copy of the Data
# folder, which the test may damage or lock.
own_data() {
    APP_DIR="$WORK/run"
    rm -rf "$APP_DIR"
    mkdir -p "$APP_DIR"
    cp -r "$BUILD_DIR/Data" "$APP_DIR/Data"
}

# start_app [args...]: runs build/vorix from the build folder (or APP_DIR), as users do.
start_app() {
    (cd "${APP_DIR:-$BUILD_DIR}" && VORIX_NO_DIALOGS=1 LIBGL_ALWAYS_SOFTWARE=1 exec "$BUILD_DIR/vorix" "$@") \
        >"$WORK/app.out" 2>"$WORK/app.err" &
    APP_PID=$!
}

# wait_window: sets WINDOW to the id of the simulator's window.
wait_window() {
    WINDOW=""
    for _ in $(seq 300); do
        WINDOW=$(xdotool search --name "^${TITLE}\$" 2>/dev/null | head -n1)
        [ -n "$WINDOW" ] && break
        kill -0 "$APP_PID" 2>/dev/null || fail "simulator exited before its window appeared"
        sleep 0.1
    done
    [ -n "$WINDOW" ] || fail "no window titled '$TITLE'"
}

window_size() { xdotool getwindowgeometry --shell "$WINDOW" | awk -F= '/^(WIDTH|HEIGHT)=/{printf "%s ", $2}' | sed 's/ $//'; }

# wait_exit SECONDS: waits for the simulator to end; sets APP_CODE.
wait_exit() {
    local limit=$(( ${1:-20} * 10 ))
    for _ in $(seq "$limit"); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            wait "$APP_PID"
            APP_CODE=$?
            APP_PID=""
            return 0
        fi
        sleep 0.1
    done
    fail "simulator still running after ${1:-20} s"
}

# screenshot FILE: the whole screen as a PNG.
screenshot() { import -window root "$1"; }

# use_wave_audio: OpenAL Soft writes what the program plays to $WORK/audio.wav
# (its file-writing backend) instead of a sound card.
use_wave_audio() {
    printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$WORK/audio.wav" >"$WORK/alsoft.conf"
    export ALSOFT_CONF="$WORK/alsoft.conf" ALSOFT_DRIVERS=wave
}

# audio_levels WINDOW_MS [HZ...]: "seconds rms [tone amplitude...]" per window of $WORK/audio.wav.
audio_levels() { "$BUILD_DIR/wav-probe" levels "$WORK/audio.wav" "$@"; }
