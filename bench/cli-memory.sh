#!/usr/bin/env bash
# Peak memory and time of loopword-compile over growing counts, printed, quiet, and into --out:
# the peak should stay flat whatever the count. Usage: cli-memory.sh [PROGRAM] [COUNT...]
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$root/build/bin/loopword-compile}"
counts=("${@:2}")
[ "${#counts[@]}" -gt 0 ] || counts=(1000 10000 100000)
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT

# Runs the command given, its standard output thrown away, and prints one row of figures for it;
# $1 is the count and $2 the output kind, both only for the row.
measure() {
  python3 - "$@" <<'PYTHON'
import resource, subprocess, sys, time
count, output, command = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
start = time.monotonic()
subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
seconds = time.monotonic() - start
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
print(f"{count:<9} {output:<8} {peak:12.1f} {seconds:9.2f} {count / max(seconds, 1e-3):11.0f}")
PYTHON
}

printf '%-9s %-8s %12s %9s %11s\n' count output "peak (MiB)" seconds "puzzles/s"
for count in "${counts[@]}"; do
  arguments=(--level 1 --count "$count" --seed 1)
  measure "$count" printed "$program" "${arguments[@]}"
  measure "$count" quiet "$program" "${arguments[@]}" --quiet
  measure "$count" out "$program" "${arguments[@]}" --out "$folder/run.loopword"
done
