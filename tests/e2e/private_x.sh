# Sourced by the scripts that run the real program: start_private_x starts an X server of its
# own (Xvfb on a free display), exports DISPLAY and sets X_PID for stopping it later.
start_private_x() {
  local display_file
  display_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  X_PID=$!
  for _ in $(seq 300); do [ -s "$display_file" ] && break; sleep 0.1; done
  if [ ! -s "$display_file" ]; then
    rm -f "$display_file"
    echo "the X server did not start" >&2
    return 1
  fi
  export DISPLAY=":$(cat "$display_file")"
  rm -f "$display_file"
}
