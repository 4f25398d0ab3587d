#!/usr/bin/env bash
# Runs the native tests, then the Windows tests under Wine on a virtual display when needed.
set -u
cd "$(dirname "$0")/.."
. scripts/wine-session.sh

status=0
ctest --test-dir build/native --output-on-failure -j2 || status=1

km_session_start
trap km_session_end EXIT
ctest --test-dir build/windows --output-on-failure --timeout 300 || status=1
exit $status
