#!/usr/bin/env bash
# Runs the real program in a private X server: F5 compiles, Enter closes "Done", and the window shows the puzzle.
# Usage: window_e2e.sh PROGRAM
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'kill ${app_pid:-} ${X_PID:-} 2>/dev/null; rm -rf "$work"' EXIT

source "$here/private_x.sh"
start_private_x

"$program" >"$work/program.log" 2>&1 &
app_pid=$!
main="$(wait_for_window '^Dictionary: .*L1words.txt \([0-9]+ words\)$')"
sleep 0.5
# ink: the near-black pixels of the window's screenshot
ink() {
  xwd -silent -id "$main" | convert xwd:- -colorspace gray -threshold 35% -format '%[fx:int(w*h*(1-mean))]' info:
}
empty="$(ink)"
xdotool windowfocus --sync "$main" key F5
done_box="$(wait_for_window '^Loopword$')"
solved="$(ink)"
xdotool windowfocus --sync "$done_box" key Return
for try in $(seq 51); do xdotool search --onlyvisible --name '^Loopword$' >/dev/null 2>&1 || break; sleep 0.1; done
[ "$try" -lt 51 ] || { echo "the Done box did not close on Enter" >&2; exit 1; }
[ "$solved" -gt $((empty + 184 * 10)) ] || { echo "no puzzle drawn: $empty dark pixels before F5, $solved after" >&2; exit 1; }
