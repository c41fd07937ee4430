#!/usr/bin/env bash
# build.sh [DIR] [cmake options...]: configures and builds VORIX into DIR (build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
# ccache, where a developer has it, makes rebuilds across work trees cheap.
launcher=""
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$root")}
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
shift || true
cmake -S "$root" -B "$root/$dir" -DCMAKE_BUILD_TYPE=Release $launcher "$@" >/dev/null
cmake --build "$root/$dir" -j"$(nproc)"
