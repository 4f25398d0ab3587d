#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix, quietly. Under ctest, a test
# given a desktop (resource "desktops", or "hidpi" for the one at 144 dpi) runs on that
# desktop's prefix and display.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${KM_WINEPREFIX:-$here/build/wineprefix}"
desktop="${CTEST_RESOURCE_GROUP_0_DESKTOPS:-}"
desktop="${desktop#id:}"
desktop="${desktop%%,*}"
[ -z "${CTEST_RESOURCE_GROUP_0_HIDPI:-}" ] || desktop=hidpi
if [ -n "$desktop" ]; then
  [ "$desktop" = 0 ] || export WINEPREFIX="$here/build/wineprefix-$desktop"
  export DISPLAY="$(cat "$WINEPREFIX/.km-display")"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: the program needs neither, and their install prompts would block.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
if [ -z "${KM_TEST_RUN:-}" ]; then
  exec wine "$@"
fi
# Under the test run: every test program prints as it starts. One that ends at once with a
# failure and printed nothing never ran (Wine could not start it), so it is started once more.
for attempt in 1 2; do
  wine "$@" 2>&1 | tee "${TMPDIR:-/tmp}/km-wine-run.$$"
  status=${PIPESTATUS[0]}
  printed=$(wc -c < "${TMPDIR:-/tmp}/km-wine-run.$$")
  rm -f "${TMPDIR:-/tmp}/km-wine-run.$$"
  if [ "$status" = 0 ] || [ "$printed" != 0 ] || [ "$attempt" = 2 ]; then
    exit "$status"
  fi
  echo "wine-run: the program ended with $status before printing anything; starting it once more" >&2
done
