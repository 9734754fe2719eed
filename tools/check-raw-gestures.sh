#!/usr/bin/env bash
# Fails when a test drives the real window with a raw gesture instead of the
# real-window fixture's checked ones (tests/support/RealWindowFixture.h).
#   tools/check-raw-gestures.sh [TESTS_FOLDER]     (default: tests)
#
# Looked at: every .cpp and .h below the folder, except its support/ folder
# (where the checked gestures are made of raw steps), comments left out.
# Raw is:
#   - starting an input-faking program: the string "xdotool" or "xte" as a
#     command, or an X call that fakes or sends input (XTestFake..., XSendEvent,
#     XWarpPointer);
#   - calling one of the fixture's raw steps: clickOnScreen, dragOnScreen,
#     moveOnScreen, buttonDown, buttonUp, moveAndSee, pressAt, or ->click(,
#     ->drag(, ->key( on the application;
#   - a fixed sleep (Thread::sleep, sleep_for, usleep) in a file whose tests
#     start the application (startConnected, or a SimulatedAmplifierApp or
#     AppProcess made there): such a test waits on a condition instead.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder="${1:-$here/tests}"

raw='"(xdotool|xte)"|XTestFake[A-Za-z]*[[:space:]]*\(|XSendEvent[[:space:]]*\(|XWarpPointer[[:space:]]*\('
raw+='|\b(clickOnScreen|dragOnScreen|moveOnScreen|buttonDown|buttonUp|moveAndSee|pressAt)[[:space:]]*\('
raw+='|->(click|drag|key)[[:space:]]*\('
sleeps='Thread::sleep[[:space:]]*\(|sleep_for[[:space:]]*\(|\busleep[[:space:]]*\('
starts='startConnected[[:space:]]*\(|\b(SimulatedAmplifierApp|AppProcess)[[:space:]]+[A-Za-z_]+[[:space:]]*[({]|make_unique<(testing_support::)?(SimulatedAmplifierApp|AppProcess)>'

found=0
while IFS= read -r -d '' file; do
  # The code without its // comments (a line's number kept).
  code="$(sed -e 's#//.*$##' "$file")"
  pattern="$raw"
  if grep -Eq "$starts" <<<"$code"; then
    pattern+="|$sleeps"
  fi
  if hits="$(grep -En "$pattern" <<<"$code")"; then
    while IFS= read -r hit; do
      echo "${file#"$here"/}:${hit%%:*}: raw gesture or fixed sleep: ${hit#*:}" >&2
    done <<<"$hits"
    found=1
  fi
done < <(find "$folder" -path "$folder/support" -prune -o \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | sort -z)

if [ "$found" -ne 0 ]; then
  echo "Tests drive the real window only through the checked gestures of tests/support/RealWindowFixture.h" >&2
  echo "(clickUntil, dragUntil, hoverUntil, wheelUntil, keyUntil) and wait on conditions (waitFor, waitForSettled)." >&2
  exit 1
fi
