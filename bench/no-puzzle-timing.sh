#!/usr/bin/env bash
# Times a list that makes no puzzle (25 words of one letter each: no two squares can share a cell): loopword-compile's
# answer, then the window's, F5 until its message, live drawing of the first attempts included.
# Usage: no-puzzle-timing.sh [BUILD_BIN]
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="${1:-$root/build/bin}"
work="$(mktemp -d)"
source "$root/tests/e2e/private_x.sh"
trap 'kill ${app_pid:-} ${X_PID:-} 2>/dev/null || true; rm -rf "$work"' EXIT
list="$work/few.txt"
for letter in {A..Y}; do printf '%s\n' "$letter$letter$letter$letter$letter$letter$letter$letter"; done >"$list"

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc -l | xargs printf '%.2f'; }

start="$(now)"
said="$("$bin/loopword-compile" --dict "$list" --quiet 2>&1 || true)"
echo "loopword-compile: $(elapsed "$start" "$(now)") s: $said"

start_private_x
HOME="$work" "$bin/loopword" >/dev/null 2>&1 &
app_pid=$!
main="$(wait_for_window '^Dictionary: .*L1words.txt')"
xdotool windowfocus --sync "$main" key alt+d
sleep 0.3
xdotool key u
dialog="$(wait_for_window '^Select a file to open$')"
xdotool windowfocus --sync "$dialog" type --delay 5 "$list"
xdotool key Return
wait_for_window 'few.txt \(25 words\)' >/dev/null
sleep 0.3
start="$(now)"
xdotool windowfocus --sync "$main" key F5
wait_for_window '^Loopword$' >/dev/null
echo "the window, F5 to its message: $(elapsed "$start" "$(now)") s"
