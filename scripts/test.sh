#!/usr/bin/env bash
# Builds Spanlyx and runs every test: the full build, the core tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzz run of the file readers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
bash scripts/package-test.sh build

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSPANLYX_SANITIZE=ON \
      -DSPANLYX_CORE_ONLY=ON -DSPANLYX_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

if [ -x fuzz/run.sh ] || [ -f fuzz/run.sh ]; then
  bash fuzz/run.sh build-fuzz "${SPANLYX_FUZZ_SECONDS:-60}"
fi
echo "All Spanlyx tests passed."
