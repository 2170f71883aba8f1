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
fail() { echo "$*" >&2; exit 1; }
pdfinfo "$pdf" | grep -qE '^Pages: +1$' || fail "not one page"
read -r _ _ left top <"$work/geometry"  # paper width, height, printable left, top, in points
pdftoppm -r 72 -gray -singlefile "$pdf" "$work/page"  # a pixel a point; ink: grey below half, black on white
convert "$work/page.pgm" -threshold 50% "$work/ink.pgm"
read -r w h x y < <(convert "$work/ink.pgm" -format '%@\n' info: | tr 'x+' '  ')  # the box round all ink
awk -v x="$x" -v y="$y" -v l="$left" -v t="$top" 'BEGIN { exit !(x >= l - 1 && y >= t - 1) }' ||
  fail "ink in the margin left of $left or above $top: ${w}x$h+$x+$y"
ink() { convert "$work/ink.pgm" -crop "$1" -format '%[fx:int(w*h*(1-mean))]' info:; }
upper="$(ink "${w}x$((h / 2))+$x+$y")" lower="$(ink "${w}x$((h - h / 2))+$x+$((y + h / 2))")"
[ "$upper" -ge 2000 ] && [ "$lower" -ge 2000 ] || fail "two sheets' ink one above the other expected, not $upper, $lower"
echo "one page; ink on the printable area only, $upper and $lower dark pixels in its upper and lower half"
