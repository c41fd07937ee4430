#!/usr/bin/env bash
# package.sh [DIR]: builds the Debian package of VORIX (release build in DIR,
# build-package/ by default) and prints where it is. Install it with
#   sudo apt install ./build-package/vorix_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build-package}
"$root/scripts/bootstrap.sh"
# A folder of its own: a package is never built with the sanitizers or the
# debug options another build folder may have.
"$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DVORIX_SANITIZE=OFF
rm -f "$root/$dir"/vorix_*.deb
(cd "$root/$dir" && cpack -G DEB >/dev/null)
ls "$root/$dir"/vorix_*.deb
