#!/usr/bin/env bash
# Times loopword-compile making COUNT Medium graded puzzles one at a time and with --jobs 2 (or JOBS), RUNS times
# each, alternating; prints each run, the medians and the speed-up, and fails when the outputs differ by a byte.
# Usage: jobs-timing.sh [RUNS [COUNT [JOBS [BUILD_BIN]]]]     e.g. jobs-timing.sh 7 1000 2
#        jobs-timing.sh 1 4    the test suite's smoke run: one short round, the outputs compared all the same
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-7}"
count="${2:-1000}"
jobs="${3:-2}"
bin="${4:-$root/build/bin}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# seconds of one run of loopword-compile with `--jobs $1`, its puzzles written to $work/jobs-$1.loopword
timed() {
  local start end
  start="$(date +%s.%N)"
  "$bin/loopword-compile" --level 1 --count "$count" --seed 20261208 --difficulty medium --grade --jobs "$1" \
    --quiet --out "$work/jobs-$1.loopword"
  end="$(date +%s.%N)"
  echo "$end - $start" | bc -l
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/one"
: >"$work/many"
for ((run = 1; run <= runs; run++)); do
  one="$(timed 1)"
  many="$(timed "$jobs")"
  cmp -s "$work/jobs-1.loopword" "$work/jobs-$jobs.loopword" || { echo "run $run: the outputs of --jobs 1 and --jobs $jobs differ" >&2; exit 1; }
  echo "$one" >>"$work/one"
  echo "$many" >>"$work/many"
  printf 'run %d: --jobs 1 %.2f s, --jobs %d %.2f s\n' "$run" "$one" "$jobs" "$many"
done
one="$(median <"$work/one")"
many="$(median <"$work/many")"
printf '%d Medium graded puzzles, median of %d: --jobs 1 %.2f s, --jobs %d %.2f s: %.2f times as fast, the same bytes\n' \
  "$count" "$runs" "$one" "$jobs" "$many" "$(echo "$one / $many" | bc -l)"
