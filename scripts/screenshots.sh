#!/usr/bin/env bash
# Makes the pictures of the README and the user guide with the program's own windows:
# docs/screenshots/main-window.png (the example beam examples/two-span-uniform.cb opened through
# File > Open, its sketch drawn) and docs/screenshots/results-window.png (the same beam after
# Calculate). Both come from the window test suite "screenshot_tour", run under a virtual X
# server; the suite also checks the example's results against beam theory, so a wrong window
# never makes a picture.
#   bash scripts/screenshots.sh [build-folder]     (default: build-docs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-docs}
bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target spanlyx_ui_tests

out="$PWD/docs/screenshots"
mkdir -p "$out"
# xcb on Xvfb: the windows as a desktop shows them, with the platform's fonts and style.
SPANLYX_SCREENSHOT_DIR="$out" SPANLYX_EXAMPLES_DIR="$PWD/examples" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/spanlyx_ui_tests" screenshot_tour
for picture in main-window results-window; do
  [ -s "$out/$picture.png" ] || { echo "missing: $out/$picture.png" >&2; exit 1; }
done
echo "Pictures written to docs/screenshots."
