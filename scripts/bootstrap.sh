#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the test suite need
# and this machine does not have yet. Safe to run any number of times.
#   scripts/bootstrap.sh            the build and scripts/test.sh
#   scripts/bootstrap.sh coverage   also llvm-profdata and llvm-cov for
#                                   fuzz/run.sh coverage (not needed by the
#                                   test suite, so CI does not install them)
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libjpeg62-turbo-dev libopenal-dev libopenal1
  libfreetype-dev fonts-dejavu-core zlib1g-dev libpng-dev
  clang libclang-rt-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xdotool imagemagick x11-utils libx11-dev
  dpkg-dev file desktop-file-utils groff-base  # scripts/package.sh and the checks of what it installs
)
case "${1:-}" in
'') ;;
coverage) packages+=(llvm) ;;  # the same version as clang, whose profiles it reads
*) echo "bootstrap: unknown group $1 (known: coverage)"; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "bootstrap: all packages present"
  exit 0
fi

echo "bootstrap: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
