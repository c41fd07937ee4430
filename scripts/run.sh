#!/usr/bin/env bash
# Installs what is missing, builds, and starts the simulator (arguments pass on,
# e.g. --windowed). The simulator runs in build/, where its Data folder lives.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh" build
cd "$root/build"
exec ./vorix "$@"
