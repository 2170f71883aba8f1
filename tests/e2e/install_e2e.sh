#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs it: lists, translations, guides, web page, manual page, window.
# Usage: install_e2e.sh BUILD_DIR
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
prefix="$(mktemp -d)"
trap '[ -n "${app_pid:-}" ] && kill $app_pid $X_PID; rm -rf "$prefix"' EXIT
fail() { echo "$*" >&2; exit 1; }
cmake --install "$1" --prefix "$prefix" >/dev/null
bin="$prefix/bin" lists="$prefix/share/loopword"

(cd / && "$bin/loopword-compile" --level 2 --seed 11) | awk '/^[0-9]/ {print $NF}' | sort >"$prefix/words"
tr -d '\r' <"$lists/L2words.txt" | comm -23 "$prefix/words" - >"$prefix/strangers"
[ "$(wc -l <"$prefix/words")" -eq 23 ] && [ ! -s "$prefix/strangers" ] || fail "not a level 2 puzzle"
mv "$lists" "$prefix/hidden"
{ "$bin/loopword-compile" --level 2 2>&1 || true; } | grep -qF "$bin/L2words.txt" || fail "no list, no message"
mv "$prefix/hidden" "$lists"
(cd / && "$bin/loopword-compile" --language de --quiet --pdf "$prefix/de.pdf")
pdftotext "$prefix/de.pdf" - | grep -q "^RÄTSEL$" || fail "the German booklet's puzzle sheet is not headed RÄTSEL"
for code in de fr es it pt nl; do
  grep -q "<html lang=\"$code\">" "$prefix/share/doc/loopword/guide.$code.html" || fail "no installed guide.$code.html"
done
if grep -q '^LOOPWORD_WEB_PAGE:FILEPATH=.' "$1/CMakeCache.txt"; then
  grep -q 'name="loopword-puzzle"' "$lists/loopword.html" || fail "no web page beside the installed lists"
fi
for option in $("$bin/loopword-compile" --help | grep -o -- '--[a-z]*'); do
  gzip -dc "$prefix/share/man/man6/loopword-compile.6.gz" | grep -q -- "${option//-/\\\\-}" || fail "man page lacks $option"
done

command -v Xvfb xdotool >/dev/null || { echo "SKIP: the window check needs Xvfb and xdotool"; exit 77; }
source "$(dirname "$0")/private_x.sh"
start_private_x
"$bin/loopword" >/dev/null 2>&1 &
app_pid=$!
title="$(xdotool getwindowname "$(wait_for_window '^Dictionary: ')" 2>/dev/null || true)"
[[ "$title" == "Dictionary: $lists/L1words.txt ("*" words)" ]] || fail "window title: '$title'"
