#!/usr/bin/env bash
# Times the real program in a private X server: start-up until the window is drawn with Level 1,
# then F5 until the "Done" box on Level 3 (live drawing included). Usage: window-timing.sh [PROGRAM]
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
program="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/bin/loopword}"
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/private_x.sh"
trap 'kill ${app_pid:-} ${X_PID:-} 2>/dev/null || true' EXIT
start_private_x

now() { date +%s.%N; }
# Prints the id of the first visible window whose name matches $1, polling every 10 ms.
wait_for() {
  local id=""
  until id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)" && [ -n "$id" ]; do sleep 0.01; done
  echo "$id"
}
elapsed() { echo "$2 - $1" | bc -l | xargs printf '%.3f'; }

start="$(now)"
"$program" >/dev/null 2>&1 &
app_pid=$!
main="$(wait_for '^Dictionary: .*L1words.txt')"
shown="$(now)"
echo "start-up to drawn window (Level 1): $(elapsed "$start" "$shown") s"

xdotool windowfocus --sync "$main" key alt+d
sleep 0.3
xdotool key 3
wait_for '^Dictionary: .*L3words.txt' >/dev/null
sleep 0.3
pressed="$(now)"
xdotool key F5
wait_for '^Loopword$' >/dev/null
done_at="$(now)"
echo "F5 to Done (Level 3, drawn live): $(elapsed "$pressed" "$done_at") s"
