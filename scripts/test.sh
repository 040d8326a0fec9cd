#!/usr/bin/env bash
# Builds Spanlyx and runs every test: the full build, the Debian package, the core tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzz run of the file readers.
# Everything it builds stays in the checkout (build, build-sanitize, build-fuzz). The package is
# unpacked and checked in a temporary folder; only with CI=true (as .ci/run sets it) or
# SPANLYX_PACKAGE_TEST=1 is it installed system-wide with apt-get (see scripts/package-test.sh).
# scripts/setup.sh installs the build's Debian packages first when some are missing.
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
