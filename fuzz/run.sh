#!/usr/bin/env bash
# fuzz/run.sh MODE [TARGET...]: runs the fuzz targets built by fuzz/build.sh,
# one after another (never in parallel), seeded from the generated Data
# folder (build/Data, or $VORIX_DATA) and fuzz/seeds/NAME/.
#   regress            a short fixed run of each target on its seeds (part of
#                      scripts/test.sh; a few seconds in all)
#   campaign SECONDS   fuzzes each target for SECONDS, keeping what it finds
#                      in build-fuzz/corpus/NAME; crashes land in
#                      build-fuzz/crashes/NAME
#   coverage           line and region coverage of each target's reader files
#                      over its campaign corpus (builds build-fuzz-cov)
# Without TARGET names every target of fuzz/targets.txt runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:?usage: fuzz/run.sh regress|campaign SECONDS|coverage [TARGET...]}
shift
seconds=0
if [ "$mode" = campaign ]; then
    seconds=${1:?campaign needs a number of seconds}
    shift
fi
out="$root/build-fuzz"
data=${VORIX_DATA:-$root/build/Data}
[ -d "$data" ] || { echo "fuzz: no Data folder at $data (build the program first)"; exit 1; }
regress_runs=${FUZZ_REGRESS_RUNS:-600}

# name, reader files, seed patterns and libFuzzer options of each target.
declare -A readers patterns options
names=()
while read -r name files rest; do
    case "$name" in ''|'#'*) continue ;; esac
    names+=("$name")
    readers[$name]=$files
    patterns[$name]=""
    options[$name]=""
    for word in $rest; do
        case "$word" in
        -*) options[$name]+=" $word" ;;
        *) patterns[$name]+=" $word" ;;
        esac
    done
done < "$root/fuzz/targets.txt"
[ $# -gt 0 ] && names=("$@")

# seeds NAME: a fresh folder holding the target's seed files.
seeds() {
    local dir="$out/seeds/$1" pattern
    rm -rf "$dir"
    mkdir -p "$dir"
    for pattern in ${patterns[$1]}; do
        (cd "$data" && for f in $pattern; do [ -f "$f" ] && cp "$f" "$dir/${f//\//_}"; done)
    done
    [ -d "$root/fuzz/seeds/$1" ] && cp "$root/fuzz/seeds/$1"/* "$dir/"
    echo "$dir"
}

# A line of figures from libFuzzer's log: executions, edges covered, features, corpus.
summary() {
    local log=$1 execs cov
    execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    cov=$(grep -E '^#[0-9]+' "$log" | tail -n1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9a-zA-Z]+' || true)
    echo "${execs:-?} executions, $cov"
}

case "$mode" in
regress)
    for name in "${names[@]}"; do
        seed_dir=$(seeds "$name")
        scratch=$(mktemp -d)
        log="$out/$name.regress.log"
        if ! "$out/$name" ${options[$name]} -runs="$regress_runs" -seed=1 -timeout=20 -print_final_stats=1 \
                -artifact_prefix="$scratch/" "$scratch" "$seed_dir" >"$log" 2>&1; then
            tail -n 40 "$log"
            echo "fuzz: $name failed (log: $log)"
            rm -rf "$scratch"
            exit 1
        fi
        rm -rf "$scratch"
        echo "fuzz $name: $(summary "$log")"
    done
    ;;
campaign)
    for name in "${names[@]}"; do
        seed_dir=$(seeds "$name")
        mkdir -p "$out/corpus/$name" "$out/crashes/$name"
        log="$out/$name.campaign.log"
        echo "fuzz $name: $seconds s ..."
        "$out/$name" ${options[$name]} -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
            -artifact_prefix="$out/crashes/$name/" "$out/corpus/$name" "$seed_dir" >"$log" 2>&1 || {
            tail -n 40 "$log"
            echo "fuzz: $name found a fault (input in $out/crashes/$name, log $log)"
        }
        echo "fuzz $name: $(summary "$log")"
    done
    ;;
coverage)
    have_llvm_tools() { command -v llvm-profdata >/dev/null && command -v llvm-cov >/dev/null; }
    if ! have_llvm_tools; then
        echo "fuzz: coverage needs llvm-profdata and llvm-cov (Debian package llvm); installing it"
        "$root/scripts/bootstrap.sh" coverage || true
        have_llvm_tools || { echo "fuzz: llvm-profdata or llvm-cov is still missing: install the Debian package llvm"; exit 1; }
    fi
    "$root/fuzz/build.sh" build-fuzz-cov -DFUZZ_COVERAGE=ON
    cov="$root/build-fuzz-cov"
    for name in "${names[@]}"; do
        seed_dir=$(seeds "$name")
        mkdir -p "$out/corpus/$name"
        rm -f "$cov/$name".*.profraw
        LLVM_PROFILE_FILE="$cov/$name.%p.profraw" "$cov/$name" ${options[$name]} -runs=0 -timeout=20 \
            "$out/corpus/$name" "$seed_dir" >"$cov/$name.log" 2>&1
        llvm-profdata merge -sparse "$cov/$name".*.profraw -o "$cov/$name.profdata"
        echo "== $name"
        # The header and the reader files' rows only.
        llvm-cov report "$cov/$name" -instr-profile="$cov/$name.profdata" | sed "s#$root/##" \
            | awk -v files=" ${readers[$name]//,/ } " 'NR == 1 || index(files, " " $1 " ")'
    done
    ;;
*)
    echo "fuzz: unknown mode $mode"
    exit 2
    ;;
esac
