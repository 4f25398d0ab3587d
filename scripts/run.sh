#!/usr/bin/env bash
# Starts Kadermeister under Wine. With a display it simply runs there; without one it runs on
# a virtual display, saves a screenshot to build/kadermeister.png and closes the program.
set -u
cd "$(dirname "$0")/.."
. scripts/wine-session.sh
exe=build/windows/Kadermeister.exe
tool=build/windows/window_tool.exe

if [ -n "${DISPLAY:-}" ]; then
  km_session_start
  exec wine "$exe"
fi

km_session_start
trap km_session_end EXIT
wine "$exe" </dev/null >/dev/null 2>&1 &
program=$!
if ! wine "$tool" wait </dev/null >/dev/null 2>&1; then
  echo "Kadermeister did not open its window." >&2
  exit 1
fi
sleep 2
import -window root build/kadermeister.png
wine "$tool" close </dev/null >/dev/null 2>&1
wait "$program"
echo "Kadermeister started and was closed again; a screenshot is in build/kadermeister.png"
