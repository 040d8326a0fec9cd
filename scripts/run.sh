#!/usr/bin/env bash
# Builds Spanlyx and starts the window program `spanlyx`; without a display it runs under a
# virtual X server (xvfb-run). The batch tool is built beside it: build/src/app/spanlyx-report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target spanlyx spanlyx-report
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build/src/app/spanlyx "$@"
fi
exec build/src/app/spanlyx "$@"
