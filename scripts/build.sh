#!/usr/bin/env bash
# build.sh [DIR] [cmake options...]: configures and builds VORIX into DIR (build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
cmake -S "$root" -B "$root/$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$root/$dir" -j"$(nproc)"
