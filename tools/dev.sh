#!/usr/bin/env bash
# Set-up, build, run and test on a Debian 12 machine.
#   tools/dev.sh run    install what is missing, configure, build, start the application
#   tools/dev.sh test   install what is missing, configure, build, run every test under Xvfb
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RIGSMITH_BUILD_DIR:-$here/build}"

packages=(
  g++ cmake ninja-build pkg-config ccache
  juce-modules-source libasound2-dev libfreetype-dev libfontconfig1-dev libx11-dev libxext-dev
  libpng-dev libjpeg-dev libexpat1-dev
  libgtest-dev
  fonts-liberation2
  xvfb xauth openbox wmctrl x11-utils imagemagick
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
  cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    configure_and_build
    exec "$build/RigSmith_artefacts/Debug/Rig Smith"
    ;;
  test)
    install_missing
    configure_and_build
    (cd "$build" && xvfb-run -a -s "-screen 0 1280x800x24" ctest --output-on-failure -j "$(nproc)")
    # The same tests once more in a build with AddressSanitizer and
    # UndefinedBehaviorSanitizer (JUCE's own leak detector covers leaks).
    asan="${build}-asan"
    cmake -S "$here" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRIGSMITH_SANITIZE=ON
    cmake --build "$asan" -j "$(nproc)"
    (cd "$asan" && ASAN_OPTIONS=detect_leaks=0 \
      xvfb-run -a -s "-screen 0 1280x800x24" ctest --output-on-failure -j "$(nproc)")
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
