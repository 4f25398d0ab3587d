#!/usr/bin/env bash
# Runs the native tests, then the Windows tests under Wine on virtual displays: KM_DESKTOPS
# desktops (default 3) at 96 dpi and one at 144 dpi, each with a display and a prefix of its
# own and one window test at a time; the pure core tests run beside them.
set -u
cd "$(dirname "$0")/.."
. scripts/wine-session.sh
count="${KM_DESKTOPS:-3}"
desktops=($(seq 0 $((count - 1))))

status=0
ctest --test-dir build/native --output-on-failure -j2 || status=1

km_session_start "${desktops[@]}" hidpi
trap km_session_end EXIT
# Wine reads the display resolution when a process starts; it is set here for each run, so a
# prefix never keeps the other setting.
set_dpi() {
  km_on_desktop "$1" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f \
    >/dev/null 2>&1 </dev/null
}
for d in "${desktops[@]}"; do set_dpi "$d" 96; done
set_dpi hidpi 144

desktopFile=build/windows/desktops.json
{
  printf '{"version": {"major": 1, "minor": 0}, "local": [{"hidpi": [{"id": "hidpi", "slots": 1}], "desktops": ['
  for d in "${desktops[@]}"; do
    [ "$d" = 0 ] || printf ', '
    printf '{"id": "%s", "slots": 1}' "$d"
  done
  printf ']}]}\n'
} > "$desktopFile"
KM_TEST_RUN=1 KM_EXPECT_DPI=96 ctest --test-dir build/windows --output-on-failure --timeout 300 -j $((count + 2)) \
  --resource-spec-file "$PWD/$desktopFile" || status=1
exit $status
