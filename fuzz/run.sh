#!/usr/bin/env bash
# Bounded fuzz run of the file readers, for CI and by hand:
#   fuzz/run.sh <build-dir> [seconds-per-target]   (default 30 seconds)
# Builds the libFuzzer targets with clang++ into <build-dir> and runs each on a copy of its seed
# corpus, so the corpus in the repository stays small. Crashes land in <build-dir>/fuzz-artifacts.
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: $0 <build-dir> [seconds-per-target]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "$1")
seconds=${2:-30}
targets=(fuzz_beam_file fuzz_beam_json fuzz_settings_file)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS=-O1 -DSPANLYX_FUZZ=ON -DSPANLYX_CORE_ONLY=ON -DSPANLYX_BENCH=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}"

mkdir -p "$build/fuzz-artifacts"
for target in "${targets[@]}"; do
  corpus=$(mktemp -d)
  trap 'rm -rf "$corpus"' EXIT
  cp -R "$root/fuzz/corpus/$target/." "$corpus/"
  echo "== $target: $seconds s"
  "$build/fuzz/$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -dict="$root/fuzz/$target.dict" \
      -artifact_prefix="$build/fuzz-artifacts/$target-" "$corpus"
  rm -rf "$corpus"
  trap - EXIT
done
echo "Fuzz run finished without findings."
