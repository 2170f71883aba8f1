# Sourced by the scripts that run the real program: start_private_x (Xvfb; DISPLAY, X_PID) and wait_for_window.
# SPDX-License-Identifier: GPL-3.0-or-later
start_private_x() {
  local display_file
  display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  X_PID=$!
  for _ in $(seq 300); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || { rm -f "$display_file"; echo "the X server did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$display_file")"
  rm -f "$display_file"
}

# Waits up to 30 s for a visible window whose name matches $1 and prints its id.
wait_for_window() {
  timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1 || { echo "no window named '$1' appeared" >&2; return 1; }
}
