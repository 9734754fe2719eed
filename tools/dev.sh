#!/usr/bin/env bash
# Set-up, build, run and test on a Debian 12 machine.
#   tools/dev.sh run    install what is missing, build the application alone (Release, in
#                       build-release) and start it
#   tools/dev.sh test   install what is missing, check the format and that no test makes a raw
#                       gesture, configure, build, run every test under Xvfb (warnings are
#                       errors), then once more with the sanitisers
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# What was asked (run or test): named again where the script has to stop.
asked="${1:-}"
build="${RIGSMITH_BUILD_DIR:-$here/build}"
release="${RIGSMITH_RELEASE_DIR:-$here/build-release}"

packages=(
  g++ cmake ninja-build pkg-config ccache
  juce-modules-source libasound2-dev libfreetype-dev libfontconfig1-dev libx11-dev libxext-dev
  libpng-dev libjpeg-dev libexpat1-dev
  libgtest-dev
  fonts-liberation2
  xvfb xauth openbox wmctrl x11-utils xdotool imagemagick
  gdb
  clang-format
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages: ${missing[*]}" >&2
      echo "sudo is not available: run this as root:" >&2
      echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
      echo "then run tools/dev.sh $asked again (in $here)." >&2
      exit 1
    fi
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The test builds keep line tables only: enough for assertions' and the
# sanitisers' reports, and a good deal less to compile and link.
test_flags=(-DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1)

# The passes of the test command, in their order.
passes=(
  "Every test, each in a process of its own"
  "The same tests in one process, in a random order (not those that start the application)"
  "Every test once more, with the sanitisers"
)

# The tests of the one-process pass: not those that start the application as
# a process of their own (they share nothing with the test process), nor
# those that run only in a child that another test starts.
one_process_filter='-AppBinary*:*AppWithAmplifier*:RealWindow*:ChildOnly*'

# Says which passes come after the named one and so did not run.
later_passes_did_not_run() {
  local i later=()
  for i in "${!passes[@]}"; do
    if [ "${passes[$i]}" = "$1" ]; then
      later=("${passes[@]:$((i + 1))}")
    fi
  done
  for i in "${later[@]}"; do
    echo "Not run, after this failure: $i" >&2
  done
}

# Says which pass starts and how many tests it runs, runs it, and says how it
# ended: a pass that prints little must not look hung. After a failure it
# says which later passes did not run.
run_pass() {
  local title="$1" count="$2" start=$SECONDS status=0
  shift 2
  echo "==> $title: $count tests"
  "$@" || status=$?
  if [ "$status" -eq 0 ]; then
    echo "<== $title: passed in $((SECONDS - start)) s"
  else
    echo "<== $title: failed in $((SECONDS - start)) s"
    later_passes_did_not_run "$title"
  fi
  return "$status"
}

# The display the tests share. It never resets: by default the server resets
# when its last client leaves, and a client that connects in that moment is
# never answered.
xvfb_server_args="-screen 0 1280x800x24 -noreset"

ctest_under_xvfb() {
  (cd "$1" && xvfb-run -a -s "$xvfb_server_args" ctest --output-on-failure -j "$2")
}

# How many tests a pass runs: disabled tests are listed but not run.
ctest_count() {
  ctest --test-dir "$1" -N | grep -E '^ *Test +#[0-9]+: ' | grep -vc ' (Disabled)$' || true
}

# The same for the test binary run once with a filter: a test or a suite whose
# name starts with DISABLED_ is listed but not run.
gtest_count() {
  "$1" --gtest_list_tests --gtest_filter="$2" 2>/dev/null | awk '
    /^[^ ]/ { suite_off = ($1 ~ /^DISABLED_/ || $1 ~ /\/DISABLED_/) }
    /^  / && ! suite_off && $1 !~ /^DISABLED_/ { n++ }
    END { print n + 0 }'
}

# What a failed real-window test kept in a build folder: each run starts
# without it, so that what is there afterwards is this run's own.
forget_earlier_evidence() {
  local dir
  for dir in "$@"; do
    rm -rf "$dir/real-window-evidence"
  done
}

configure_and_build() {
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRIGSMITH_WERROR=ON "${test_flags[@]}"
  cmake --build "$build" -j "$(nproc)"
}

# Sourced (by the test of this script), it only defines the functions above.
if [ "${BASH_SOURCE[0]}" != "$0" ]; then
  return 0
fi

case "$asked" in
  run)
    install_missing
    cmake -S "$here" -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRIGSMITH_TESTS=OFF
    cmake --build "$release" -j "$(nproc)" --target RigSmith
    exec "$release/RigSmith_artefacts/Release/Rig Smith"
    ;;
  test)
    forget_earlier_evidence "$build" "${build}-asan"
    # Most tests wait on timers, windows and other processes rather than
    # compute: twice as many at once as there are cores (the real-window
    # tests still run one at a time).
    jobs=$(($(nproc) * 2))
    install_missing
    "$here/tools/format.sh" check
    # No test drives the real window with a raw gesture or proves with a
    # fixed sleep.
    "$here/tools/check-raw-gestures.sh"
    configure_and_build
    run_pass "${passes[0]}" "$(ctest_count "$build")" ctest_under_xvfb "$build" "$jobs"
    # The build with AddressSanitizer and UndefinedBehaviorSanitizer compiles
    # while the one-process pass below runs: that pass mostly waits.
    asan="${build}-asan"
    asan_log="$build/asan-build.log"
    cmake -S "$here" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRIGSMITH_SANITIZE=ON -DRIGSMITH_WERROR=ON "${test_flags[@]}" >"$asan_log"
    cmake --build "$asan" -j "$(nproc)" >>"$asan_log" 2>&1 &
    asan_build=$!
    trap 'kill "$asan_build" 2>/dev/null || true' EXIT
    # Once more in one process, in a random order: no test may depend on
    # what another left behind (ctest runs each test in a process of its own).
    # A framework assertion fails the pass even where no test was running
    # (ctest fails a test on one by its output).
    console="$build/one-process-pass.log"
    one_process_pass() (
      cd "$build" && xvfb-run -a -s "$xvfb_server_args" "$build/tests/rigsmith_tests" --gtest_shuffle \
        --gtest_brief=1 --gtest_filter="$one_process_filter" 2>&1 | tee "$console"
    )
    run_pass "${passes[1]}" "$(gtest_count "$build/tests/rigsmith_tests" "$one_process_filter")" one_process_pass
    if grep -q "JUCE Assertion failure" "$console"; then
      echo "Framework assertions in the one-process pass:" >&2
      grep "JUCE Assertion failure" "$console" >&2
      later_passes_did_not_run "${passes[1]}"
      exit 1
    fi
    if kill -0 "$asan_build" 2>/dev/null; then
      echo "Waiting for the sanitised build to end (its output: $asan_log)"
    fi
    if ! wait "$asan_build"; then
      tail -n 60 "$asan_log" >&2
      echo "The sanitised build failed (whole output: $asan_log)" >&2
      later_passes_did_not_run "${passes[1]}"
      exit 1
    fi
    trap - EXIT
    # The same tests once more in the sanitised build (JUCE's own leak
    # detector covers leaks).
    ASAN_OPTIONS=detect_leaks=0 run_pass "${passes[2]}" "$(ctest_count "$asan")" ctest_under_xvfb "$asan" "$jobs"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
