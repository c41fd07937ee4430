# vorix-sim as a user meets it on the command line: its output files pointed
# at devices, links, files the user may not write, a full disk and a planted
# temporary name; two runs to one file; a sweep stopped with Ctrl-C; its
# progress on a terminal; and the grids and values it refuses.
source "$(dirname "$0")/common.bash"
SIM="$BUILD_DIR/vorix-sim"
cd "$BUILD_DIR" || fail "no build folder"
T="$WORK/t"
mkdir -p "$T"
chmod 755 "$WORK"
chmod 777 "$T"

SWEEP="--sweep initialTasKt=0:100:100"
SAFE="--min-safe-altitude sinkRateFtS=0:0:1"

# run_sim EXPECTED_CODE ARGS...: runs the tool, its error stream in $T/err.
run_sim() {
    local want=$1
    shift
    "$SIM" "$@" >"$T/out" 2>"$T/err"
    local got=$?
    [ "$got" -eq "$want" ] || fail "vorix-sim $* exited $got, not $want: $(cat "$T/err")"
}

# expect_error TEXT: the error stream says TEXT.
expect_error() { grep -qF -- "$1" "$T/err" || fail "expected '$1', got: $(cat "$T/err")"; }

# The three outputs, each with a path: a sweep's --out, a run's --csv, a
# chart's --svg (its CSV to standard output).
each_output() {
    local path=$1 want=$2
    run_sim "$want" $SWEEP --out "$path"
    run_sim "$want" --csv "$path"
    run_sim "$want" $SAFE --svg "$path"
}

# --- devices: written in place, never replaced ---------------------------
# First a null device made here, so that a fault replaces that one and not
# the machine's; then the machine's own /dev/null.
if mknod "$T/null" c 1 3 2>/dev/null; then
    each_output "$T/null" 0
    [ -c "$T/null" ] || fail "the null device made here was replaced by a plain file"
    each_output /dev/null 0
    [ "$(stat -c '%F %t:%T' /dev/null)" = "character special file 1:3" ] || fail "/dev/null is no longer the null device"
    rm -f "$T/null"
    echo "PASS: devices written in place, /dev/null still a device"
else
    echo "SKIP: devices cannot be made here; /dev/null left out"
fi

# --- a link stays a link; its target gets the rows -------------------------
for opt in out csv svg; do
    echo keep >"$T/target.$opt"
    ln -sfn "target.$opt" "$T/link.$opt"
done
run_sim 0 $SWEEP --out "$T/link.out"
run_sim 0 --csv "$T/link.csv"
run_sim 0 $SAFE --svg "$T/link.svg"
for opt in out csv svg; do
    [ -L "$T/link.$opt" ] || fail "--$opt replaced the link with a plain file"
    [ "$(head -c 4 "$T/target.$opt")" != keep ] || fail "--$opt did not write the link's target"
done
head -n1 "$T/target.out" | grep -q '^initialTasKt,seqMode,' || fail "the sweep's rows are not in the link's target"
grep -q '^<svg' "$T/target.svg" || fail "the chart is not in the link's target"
echo "PASS: links kept, their targets written"

# --- a planted FILE.tmp is somebody's file ---------------------------------
echo precious >"$T/run.csv.tmp"
echo victim >"$T/victim"
ln -s victim "$T/sweep.csv.tmp"
run_sim 0 --csv "$T/run.csv"
run_sim 0 $SWEEP --out "$T/sweep.csv"
[ "$(cat "$T/run.csv.tmp")" = precious ] || fail "the file at run.csv.tmp was overwritten"
[ "$(cat "$T/victim")" = victim ] || fail "a link planted at sweep.csv.tmp redirected the rows"
[ "$(ls "$T" | grep -c '\.tmp\.')" -eq 0 ] || fail "temporary files were left: $(ls "$T")"
echo "PASS: planted FILE.tmp and a link there left alone"

# --- a file the user may not write is refused with the reason -------------
nobody_can_run() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$SIM" --help >/dev/null 2>&1; }
if [ "$(id -u)" -ne 0 ]; then
    as_user() { "$@"; }
elif command -v setpriv >/dev/null && nobody_can_run; then
    as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
else
    as_user=""
fi
if declare -F as_user >/dev/null; then
    echo "read only" >"$T/locked.csv"
    chmod 444 "$T/locked.csv"
    [ "$(id -u)" -eq 0 ] && chown nobody "$T/locked.csv"
    for args in "$SWEEP --out" "--csv" "$SAFE --svg"; do
        as_user "$SIM" $args "$T/locked.csv" >/dev/null 2>"$T/err"
        code=$?
        [ "$code" -eq 1 ] || fail "$args on a read-only file exited $code: $(cat "$T/err")"
        expect_error "cannot write $T/locked.csv: Permission denied"
    done
    [ "$(cat "$T/locked.csv")" = "read only" ] || fail "the read-only file was replaced"
    mkdir "$T/locked"
    chmod 555 "$T/locked"
    as_user "$SIM" --csv "$T/locked/new.csv" >/dev/null 2>"$T/err"
    [ $? -eq 1 ] || fail "a file in a read-only folder was not refused"
    expect_error "cannot write $T/locked/new.csv: cannot create a temporary file beside it: Permission denied"
    echo "PASS: files the user may not write are refused with the reason"
else
    echo "SKIP: no other user can run the tool here"
fi

# --- a full disk -------------------------------------------------------------
"$SIM" >/dev/full 2>"$T/err"
[ $? -eq 1 ] || fail "the JSON on a full standard output exited 0"
expect_error "cannot write standard output: No space left on device"
"$SIM" $SWEEP >/dev/full 2>"$T/err"
[ $? -eq 1 ] || fail "a sweep on a full standard output exited 0"
expect_error "cannot write standard output: No space left on device"
"$SIM" $SAFE >/dev/full 2>"$T/err"
[ $? -eq 1 ] || fail "a chart's CSV on a full standard output exited 0"
"$SIM" --help >/dev/full 2>"$T/err"
[ $? -eq 1 ] || fail "--help on a full standard output exited 0"

# A file system with no room left, in a mount namespace of its own so that
# nothing outlives the test.
if unshare -m true 2>/dev/null; then
    mkdir -p "$T/small"
    unshare -m bash -c '
        set -u
        small=$1 sim=$2
        mount -t tmpfs -o size=64k tmpfs "$small" || exit 77
        for f in out.csv run.csv chart.svg; do echo old >"$small/$f"; done
        head -c 1M /dev/zero >"$small/filler" 2>/dev/null
        "$sim" --sweep initialTasKt=0:100:100 --out "$small/out.csv" 2>"$small/../err.out"; echo $? >"$small/../code.out"
        "$sim" --csv "$small/run.csv" >/dev/null 2>"$small/../err.csv"; echo $? >"$small/../code.csv"
        "$sim" --min-safe-altitude sinkRateFtS=0:0:1 --svg "$small/chart.svg" >/dev/null 2>"$small/../err.svg"
        echo $? >"$small/../code.svg"
        ls -A "$small" >"$small/../left"
        cat "$small/out.csv" "$small/run.csv" "$small/chart.svg" >"$small/../kept"
    ' full "$T/small" "$SIM"
    case $? in
    77) echo "SKIP: no tmpfs can be mounted here" ;;
    0)
        for opt in out csv svg; do
            [ "$(cat "$T/code.$opt")" -eq 1 ] || fail "--$opt on a full disk exited $(cat "$T/code.$opt")"
            grep -q ": No space left on device" "$T/err.$opt" || fail "--$opt on a full disk said: $(cat "$T/err.$opt")"
        done
        grep -qF "cannot write $T/small/run.csv: No space left on device" "$T/err.csv" || fail "$(cat "$T/err.csv")"
        [ "$(cat "$T/kept")" = "$(printf 'old\nold\nold')" ] || fail "a full disk cut the old files: $(cat "$T/kept")"
        [ "$(cat "$T/left" | tr '\n' ' ')" = "chart.svg filler out.csv run.csv " ] ||
            fail "a full disk left: $(cat "$T/left")"
        echo "PASS: full disk: exit 1 with the file and the reason, old files whole, nothing left"
        ;;
    *) fail "the full-disk check did not run" ;;
    esac
else
    echo "SKIP: no mount namespace here; the full disk was tried on standard output only"
fi

# --- two runs to one file: one whole result -------------------------------
"$SIM" --sweep initialTasKt=0:600:10 --out "$T/a.csv" || fail "sweep a"
"$SIM" --sweep sinkRateFtS=0:60:1 --out "$T/b.csv" || fail "sweep b"
"$SIM" --sweep initialTasKt=0:600:10 --out "$T/both.csv" & one=$!
"$SIM" --sweep sinkRateFtS=0:60:1 --out "$T/both.csv" & two=$!
wait $one || fail "the first of two runs to one file failed"
wait $two || fail "the second of two runs to one file failed"
cmp -s "$T/both.csv" "$T/a.csv" || cmp -s "$T/both.csv" "$T/b.csv" || fail "two runs to one file mixed their rows"
echo "PASS: two runs to one file leave one whole result"

# --- a sweep stopped with Ctrl-C keeps the rows it computed ----------------
# Job control gives the background sweep the default signal actions a
# terminal's foreground job has.
set -m
BIG="--sweep initialTasKt=0:600:1 --sweep sinkRateFtS=0:100:1"
rows_of() { cat "$@" 2>/dev/null | wc -l; }
"$SIM" $BIG --out "$T/stopped.csv" 2>"$T/err" &
pid=$!
for _ in $(seq 200); do
    [ "$(rows_of "$T"/stopped.csv.tmp.*)" -ge 20 ] && break
    sleep 0.05
done
[ "$(rows_of "$T"/stopped.csv.tmp.*)" -ge 20 ] || fail "the sweep's rows did not come as they were done"
kill -INT $pid
wait $pid
code=$?
[ "$code" -eq 130 ] || fail "a sweep stopped by Ctrl-C exited $code"
rows=$(($(rows_of "$T/stopped.csv") - 1))
[ "$rows" -ge 20 ] && [ "$rows" -lt 60701 ] || fail "the stopped sweep kept $rows rows"
expect_error "$T/stopped.csv has the rows of the first $rows of 60701 points"
# Whole rows, the first of the grid in order.
awk -F, 'NR == 1 { n = NF; next }
         NF != n || $1 != int((NR - 2) / 101) || $2 != (NR - 2) % 101 { bad = NR }
         END { exit bad ? 1 : 0 }' "$T/stopped.csv" || fail "the kept rows are not the first of the grid, whole"
[ -z "$(ls "$T" | grep 'stopped.csv.tmp')" ] || fail "the stopped sweep left its temporary file"

"$SIM" $BIG >"$T/stdout.csv" 2>"$T/err" &
pid=$!
for _ in $(seq 200); do
    [ "$(rows_of "$T/stdout.csv")" -ge 20 ] && break
    sleep 0.05
done
kill -TERM $pid
wait $pid
code=$?
[ "$code" -eq 143 ] || fail "a sweep stopped by SIGTERM exited $code"
rows=$(($(rows_of "$T/stdout.csv") - 1))
expect_error "standard output has the rows of the first $rows of 60701 points"

# A single run's CSV stopped while it is written: no half file, no
# temporary file left.
echo old >"$T/long.csv"
"$SIM" --set fighterAltitudeM=2000000 --csv "$T/long.csv" >/dev/null 2>"$T/err" &
pid=$!
for _ in $(seq 200); do
    [ "$(rows_of "$T"/long.csv.tmp.*)" -ge 1000 ] && break
    sleep 0.02
done
kill -INT $pid
wait $pid
code=$?
[ "$code" -eq 130 ] || fail "a run stopped while writing its CSV exited $code"
[ "$(cat "$T/long.csv")" = old ] || fail "a stopped run's CSV replaced the old file"
[ -z "$(ls "$T" | grep 'long.csv.tmp')" ] || fail "a stopped run left its temporary file"
set +m
echo "PASS: stopped sweeps keep their first $rows rows, whole, in grid order; a stopped CSV leaves the old file"

# --- progress on a terminal, none in a file --------------------------------
run_sim 0 --sweep initialTasKt=0:600:10 --out "$T/quiet.csv"
[ ! -s "$T/err" ] || fail "progress written to a redirected error stream: $(cat "$T/err")"
if script -qefc "true" /dev/null >/dev/null 2>&1; then
    script -qefc "$SIM --sweep initialTasKt=0:600:1 --sweep sinkRateFtS=0:4:1 --out $T/tty.csv" "$T/typescript" >/dev/null
    grep -aq "of 3005 points (" "$T/typescript" || fail "no progress on a terminal: $(cat -v "$T/typescript" | head -c 300)"
    [ "$(rows_of "$T/tty.csv")" -eq 3006 ] || fail "the sweep on a terminal lost rows"
    echo "PASS: progress on a terminal only"
else
    echo "SKIP: no pseudo-terminal here (script)"
fi

# --- grids and values that are refused -------------------------------------
# Refused at once: a tool that took it would fill the memory limit or run for days.
(ulimit -v 4000000; timeout 30 "$SIM" --sweep initialTasKt=0:999.9:0.1 --sweep sinkRateFtS=0:999.9:0.1 \
    >"$T/out" 2>"$T/err")
code=$?
[ "$code" -eq 2 ] || fail "a grid of 10^8 points exited $code: $(tail -c 300 "$T/err")"
expect_error "the grid of 100000000 points (10000 x 10000) is larger than a sweep runs (10000000 points): its rows would take about 20.0 GB"
run_sim 2 --sweep initialTasKt=0:100:100 --sweep initialTasKt=0:200:200
expect_error "--sweep initialTasKt is given twice"
run_sim 2 --set mainChuteDiameterM=-7
expect_error "mainChuteDiameterM must be from 0 to 30 m, got '-7'"
run_sim 2 --set pilotMassKg=-80
expect_error "pilotMassKg must be from 0 to 1000 kg, got '-80'"
run_sim 2 --set mainChuteCd=1e15
expect_error "mainChuteCd must be from 0 to 10, got '1e15'"
run_sim 2 --set initialTasKt=5000
expect_error "initialTasKt must be from 0 to 3400 kt"
run_sim 2 --sweep countdownS=-1:1:1
expect_error "countdownS must be from 0 to 600 s, got '-1'"
run_sim 2 --set cgOffsetZ=1e-400
expect_error "value '1e-400' for cgOffsetZ is too small for a 32-bit float"
[ ! -s "$T/out" ] || fail "a refused run printed: $(cat "$T/out")"
echo "PASS: huge grid, a name swept twice, values no seat has and 1e-400 refused"
