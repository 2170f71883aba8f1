#!/usr/bin/env bash
# The build ships the named web page only when it is there and newer than every source it is built
# from, copying it again once rebuilt, and otherwise stops saying why. Usage: web_page_ship_test.sh
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
ship="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/cmake/ship_web_page.cmake"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME STATUS SAYS SHIPPED: ships $work/page.html over $work/sources.txt and compares.
check() {
  rm -f "$work/shipped.html"
  output=$(cmake -DPAGE="$work/page.html" -DSHIPPED="$work/shipped.html" -DSOURCES="$work/sources.txt" -P "$ship" 2>&1 |
    tr -s ' \n' ' ')  # CMake breaks its messages into lines
  status=${PIPESTATUS[0]}
  shipped=$(cat "$work/shipped.html" 2>/dev/null || echo none)
  if [ "$status" -ne "$2" ] || ! grep -qF -- "$3" <<<"$output" || [ "$shipped" != "$4" ]; then
    echo "FAIL $1: status $status, shipped \"$shipped\", said: $output"
    failures=$((failures + 1))
  fi
}

printf '%s\n' "$work/session.cpp" "$work/index.html" >"$work/sources.txt"
touch -d '2026-01-01 10:00' "$work/session.cpp" "$work/index.html"
echo "page 1" >"$work/page.html" && touch -d '2026-01-01 11:00' "$work/page.html"
check "a page newer than its sources" 0 "" "page 1"
touch -d '2026-01-01 12:00' "$work/index.html"
check "a source edited after the page" 1 "older than $work/index.html" none
echo "page 2" >"$work/page.html" && touch -d '2026-01-01 13:00' "$work/page.html"
check "the page rebuilt" 0 "" "page 2"
touch -d '2026-01-01 13:00' "$work/session.cpp"
check "a source as new as the page" 1 "older than $work/session.cpp" none
rm "$work/page.html"
check "no page" 1 "No web page at $work/page.html" none
exit $((failures > 0))
