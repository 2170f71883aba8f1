#!/usr/bin/env bash
# Counts, over 100 theme puzzles of N Level 1 words (rest from Level 1, random start), how many were
# made, failed with a proof, or spent the time budget, and prints the median and slowest times.
# Usage: bench/theme-outcomes.sh BUILD_DIR [N=15] [RUNS=100]
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
build=${1:?usage: theme-outcomes.sh BUILD_DIR [N] [RUNS]}
count=${2:-15}
runs=${3:-100}
here=$(cd "$(dirname "$0")" && pwd)
tool="$build/bin/loopword-compile"
list="$here/../data/L1words.txt"
made=0 proven=0 budget=0 other=0
times=()
for run in $(seq 1 "$runs"); do
  theme=$(python3 -c 'import random, sys; words = open(sys.argv[2]).read().split()
print(" ".join(random.Random(int(sys.argv[1])).sample(words, int(sys.argv[3]))))' "$run" "$list" "$count")
  start=$(date +%s%N)
  said=$("$tool" --dict "$list" --seed "$run" --varied --quiet --theme "$theme" 2>&1 >/dev/null) && status=0 || status=$?
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
  case "$status:$said" in
    0:*) made=$((made + 1)) ;;
    1:*"cannot all be placed"*) proven=$((proven + 1)) ;;
    1:*"was found in"*) budget=$((budget + 1)) ;;
    *) other=$((other + 1)) ;;
  esac
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
slowest=$(echo "$sorted" | tail -1)
echo "$runs theme puzzles of $count Level 1 words: $made made, $proven proven impossible, $budget budget spent, $other other"
echo "time per run (process start, list load and search): median ${median} ms, slowest ${slowest} ms"
