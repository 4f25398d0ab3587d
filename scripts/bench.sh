#!/usr/bin/env bash
# Runs tools/bench.cpp on a Wine desktop of its own, as the tests run.
set -u
cd "$(dirname "$0")/.."
. scripts/wine-session.sh
km_session_start
trap km_session_end EXIT
wine build/windows/bench.exe </dev/null
