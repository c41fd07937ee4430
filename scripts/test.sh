#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: unit and
# end-to-end tests on the release build, a short run of every fuzz target on
# its seeds, then the unit tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/bootstrap.sh"

echo "== release build"
"$root/scripts/build.sh" build
echo "== release tests (unit and end-to-end)"
(cd "$root/build" && ctest --output-on-failure --timeout 300)

echo "== fuzz targets (short regression run)"
"$root/fuzz/build.sh"
"$root/fuzz/run.sh" regress

echo "== sanitizer build"
"$root/scripts/build.sh" build-asan -DVORIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer tests (unit)"
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -LE e2e --timeout 600)
