#!/usr/bin/env bash
# make fuzz: builds the libFuzzer targets with clang (AddressSanitizer and UBSan) and runs each
# for FUZZ_SECONDS seconds (default 60). New inputs collect in build/fuzz/corpus; an input that
# breaks a check is copied into tests/fuzz/corpus, where `make test` replays it from then on.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds="${FUZZ_SECONDS:-60}"

scripts/install-deps.sh fuzz
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKM_FUZZ=ON >/dev/null
# The targets as CMake found them in the table of tests/fuzz/fuzz_checks.cpp.
mapfile -t targets < build/fuzz/fuzz_targets.txt
cmake --build build/fuzz -j"${JOBS:-2}" --target "${targets[@]/#/fuzz_}"

found=0
for target in "${targets[@]}"; do
  work="build/fuzz/corpus/$target"
  findings="build/fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  echo "== $target: ${seconds} s"
  if ! "build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -artifact_prefix="$findings/" \
      "$work" "tests/fuzz/corpus/$target" >"build/fuzz/$target.log" 2>&1; then
    found=1
    grep -E "^(fuzz|==[0-9]+==ERROR|SUMMARY)|: $target: " "build/fuzz/$target.log" | head -n 5 || true
    for input in "$findings"/*; do
      [ -f "$input" ] || continue
      cp "$input" "tests/fuzz/corpus/$target/"
      echo "   kept $(basename "$input") in tests/fuzz/corpus/$target (replayed by make test)"
    done
  else
    tail -n 1 "build/fuzz/$target.log"
  fi
done
if [ "$found" -eq 0 ]; then
  echo "make fuzz: nothing found"
else
  echo "make fuzz: found faults; their inputs are in tests/fuzz/corpus and the logs in build/fuzz"
  exit 1
fi
