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
exec wine "$@"
