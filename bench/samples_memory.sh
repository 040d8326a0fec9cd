#!/usr/bin/env bash
# Peak resident memory of `spanlyx-report --samples` on one-span beams of 1 and 4 million sampled
# points: the CSV rows are streamed, so the figure should not grow with the number of points.
# Usage: bash bench/samples_memory.sh [path/to/spanlyx-report]
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$(realpath "${1:-build/src/app/spanlyx-report}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A simply supported span of LENGTH ft under 100 lb/ft, sampled every 0.01 ft.
beam() {
  local length=$1
  printf '%s\r\n' "Spanlyx Program" "# OF COMMENT LINES (0-4)" " 0 " "END COMMENTS" \
    "Metric E,M,M2,M3 Or M4" "E" "number of spans" "1" "total length " "$length" \
    "START MEMBER INFO" "MEMBER NUMBER" " 1 " "member length " " $length " "member I" " 5000 " \
    "member E  " " 29000000 " "member release" " 0 " "******** Number of uniform loads" " 1 " \
    "dist 1 from the left end of member (ft)" " 0 " "uniform load #1" " 100 " \
    "dist 2 from the left end of member (ft)" " $length " "uniform load #2" " 100 " \
    "******** Number of point loads" " 0 " "******** Number of Applied Moments" " 0 " \
    "Number of Joints" " 2 " "Joint Number" " 1 " "Joint Restraint  Y" " 1 " \
    "Joint Restraint  Z" " 0 " "Joint Number" " 2 " "Joint Restraint  Y" " 1 " \
    "Joint Restraint  Z" " 0 "
}

printf '%-10s %-12s %-14s %-10s\n' points csv_bytes peak_rss_kb wall_s
for length in 10000 40000; do
  beam "$length" > "$work/beam.cb"
  TMPDIR=$work XDG_DATA_HOME=$work /usr/bin/time -v -o "$work/time.txt" \
    "$tool" --samples "$work/points.csv" -o /dev/null "$work/beam.cb"
  rss=$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' "$work/time.txt")
  wall=$(awk '/Elapsed \(wall clock\)/ {print $NF}' "$work/time.txt")
  rows=$(( $(wc -l < "$work/points.csv") - 1 ))
  printf '%-10s %-12s %-14s %-10s\n' "$rows" "$(stat -c %s "$work/points.csv")" "$rss" "$wall"
  rm -f "$work/points.csv"
done
