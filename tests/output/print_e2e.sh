#!/usr/bin/env bash
# Prints from the window to a private PDF printer and checks the page; with no printer, expects a message, not "Done".
# Usage: print_e2e.sh SESSION_DRIVER DATA_DIR
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
binary="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/private_cups.sh"
start_print_work "$2"
"$binary" "$work/program" no-printer /dev/null
add_pdf_printer
"$binary" "$work/program" print "$work/geometry"
for _ in $(seq 300); do
  pdf="$(find "$PDF_OUT" -name '*.pdf' -size +0 | head -n 1)"
  [ -n "$pdf" ] && break
  sleep 0.1
done
[ -n "$pdf" ] || { echo "no PDF arrived from the printer" >&2; lpstat -W all -o >&2 || true; tail -n 20 "$work/cups/log/error_log" >&2; exit 1; }
sleep 0.5  # let the printer finish writing the file
python3 "$here/check_printed_page.py" "$pdf" "$work/geometry"
