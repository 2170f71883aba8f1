#!/usr/bin/env bash
# Runs the browser tests of the web page, as one file and as a site: skipped without the page, chromium or the driver, failed for that in CI.
# Usage: page_e2e.sh PAGE COMPILE_TOOL [TEST_FILE...]      (default: every test file; qr_test.js needs zbarimg, platform_test.js unzip)
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
missing=""
[ -f "$1" ] || missing="the page $1 (scripts/web builds it, -DLOOPWORD_WEB_PAGE ships it)"
[ -x /usr/bin/chromium ] || missing="chromium (apt-get install chromium)"
[ -d "$here/node_modules/playwright-core" ] || missing="playwright-core (npm ci in tests/web)"
[[ " ${*:3} " != *" qr_test.js "* ]] || [ -x /usr/bin/zbarimg ] || missing="zbarimg (apt-get install zbar-tools)"
[[ " ${*:3} " != *" platform_test.js "* ]] || [ -x /usr/bin/unzip ] || missing="unzip (apt-get install unzip)"
if [ -n "$missing" ]; then
  echo "Missing $missing"
  if [ -n "${CI:-}" ]; then exit 1; fi
  exit 77
fi
page="$1" compile="$2"
shift 2
tests=("$@")
[ ${#tests[@]} -gt 0 ] || tests=(page_test.js site_test.js classroom_test.js qr_test.js platform_test.js modules_test.js)
names=()  # LOOPWORD_TEST_NAMES: a pattern of the tests or groups to run, the rest skipped
[ -z "${LOOPWORD_TEST_NAMES:-}" ] || names=("--test-name-pattern=$LOOPWORD_TEST_NAMES")
LOOPWORD_PAGE="$page" LOOPWORD_COMPILE="$compile" exec node --test "${names[@]}" "${tests[@]/#/$here/}"
