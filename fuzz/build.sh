#!/usr/bin/env bash
# fuzz/build.sh [DIR]: builds the fuzz targets with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer into DIR (build-fuzz/).
# Extra cmake options follow DIR (run.sh passes -DFUZZ_COVERAGE=ON).
# FUZZ_BUILD_JOBS=1 builds one file at a time on a machine shared with others.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build-fuzz}
shift || true
launcher=""
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$root")}
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
cmake -S "$root/fuzz" -B "$root/$dir" -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $launcher "$@" >/dev/null
cmake --build "$root/$dir" -j"${FUZZ_BUILD_JOBS:-$(nproc)}"
