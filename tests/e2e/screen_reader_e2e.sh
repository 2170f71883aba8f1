#!/usr/bin/env bash
# Runs the real program as under a screen reader, compiles, solves and types, and checks what AT-SPI tells of it.
# Usage: screen_reader_e2e.sh PROGRAM
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
python=/usr/bin/python3  # the system's, which has the AT-SPI bindings
launcher=/usr/libexec/at-spi-bus-launcher
if [ -z "${LOOPWORD_IN_SESSION:-}" ]; then
  command -v dbus-run-session >/dev/null && [ -x "$launcher" ] && "$python" -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: no D-Bus session, AT-SPI bus or its Python bindings"; exit 77; }
  LOOPWORD_IN_SESSION=1 exec dbus-run-session -- bash "${BASH_SOURCE[0]}" "$@"
fi

work="$(mktemp -d)"
trap 'kill ${listener:-} ${app_pid:-} ${bus_pid:-} ${X_PID:-} 2>/dev/null; rm -rf "$work"' EXIT
source "$here/private_x.sh"
start_private_x
export HOME="$work"  # no settings of the user's reach the program
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus_pid=$!

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
app_pid=$!
main="$(wait_for_window '^Dictionary: ')"
"$python" "$here/read_figure.py" listen >"$work/events" &
listener=$!
sleep 1
xdotool windowfocus --sync "$main" key F5
done_box="$(wait_for_window '^Loopword$')"
"$python" "$here/read_figure.py" message Done
act() { xdotool "$@"; sleep 0.5; }  # each step given time to reach the program and the listener
act windowfocus --sync "$done_box" key Return
act windowfocus --sync "$main" key F6
act key Right
act type q
sleep 0.5
kill "$listener"
wait "$listener" 2>/dev/null || true
"$python" "$here/read_figure.py" check "$work/events"
