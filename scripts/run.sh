#!/usr/bin/env bash
# Builds Spanlyx and runs it: the batch tool on an example beam.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target spanlyx-report
exec build/src/app/spanlyx-report "${@:-examples/two-span-uniform.cb}"
