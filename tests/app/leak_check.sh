#!/usr/bin/env bash
# Plays one whole session (compile, both sheets, save, print to a PDF printer, exit) in the
# sanitized build and fails on any leak that LeakSanitizer finds.
# Usage: leak_check.sh SESSION_DRIVER DATA_DIR
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
binary="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../output/private_cups.sh"
start_print_work "$2"
add_pdf_printer
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:exitcode=23"
"$binary" "$work/program" whole "$work/puzzle.bmp" 2>"$work/report.txt" || {
  status=$?
  cat "$work/report.txt"
  [ "$status" -eq 23 ] && echo "leaks found" || echo "the session failed ($status)"
  exit 1
}
echo "no leaks"
