#!/usr/bin/env bash
# Times spanlyx-report end to end on the 40-span benchmark beam (hyperfine when installed).
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${1:-build/src/app/spanlyx-report}
beam=bench/data/forty-spans.cb
if command -v hyperfine >/dev/null 2>&1; then
  hyperfine --warmup 3 --runs 30 "$tool $beam -o /dev/null"
else
  start=$(date +%s%N)
  for _ in $(seq 20); do "$tool" "$beam" -o /dev/null; done
  end=$(date +%s%N)
  echo "mean of 20 runs: $(( (end - start) / 20000 )) us"
fi
