#!/usr/bin/env bash
# Runs the native tests, then the Windows tests under Wine on a virtual display when needed.
set -u
cd "$(dirname "$0")/.."
. scripts/wine-session.sh

status=0
ctest --test-dir build/native --output-on-failure -j2 || status=1

km_session_start
trap km_session_end EXIT
# Wine reads the display resolution when a process starts; the prefix's setting is made here
# for each pass, so a run cut short at 144 dpi does not carry over.
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 </dev/null; }
set_dpi 96
KM_EXPECT_DPI=96 ctest --test-dir build/windows --output-on-failure --timeout 300 || status=1

# The layout once more at 150 %: frames, rename field, formula window, page and the "..." button
# at 144 dpi.
echo "Layout tests at 144 dpi"
set_dpi 144
KM_EXPECT_DPI=144 timeout 300 scripts/wine-run.sh "$PWD/build/windows/dialog_tests.exe" \
  --gtest_filter='Dpi.*:FormulaWindow.*:PlayerPage.*:MainDialog.AFailing*:MainDialog.FramesBelong*:TabStrip.Renaming*:FrameButtonWindow.*' \
  --gtest_brief=1 || status=1
set_dpi 96
exit $status
