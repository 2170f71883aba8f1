#!/usr/bin/env bash
# The set-up's package check passes on this build with the scripts' lists, and names the package
# when a list leaves out one the build needs. Usage: package_check_test.sh BUILD_DIR
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
check="$root/scripts/check-packages"
command -v apt-cache >/dev/null && command -v dpkg >/dev/null || { echo "SKIP: not a Debian system"; exit 77; }

"$check" "$1" || { echo "FAIL: the check does not pass with the scripts' own lists"; exit 1; }

lists=$(bash -c 'source "$1/scripts/lib/common.sh"; echo "${PACKAGES[*]}"; echo "${TEST_PACKAGES[*]}"' _ "$root")
run_list=$(sed -n 1p <<<"$lists") test_list=$(sed -n 2p <<<"$lists")
for dropped in qt6-svg-dev libbenchmark-dev; do
  output=$("$check" --run "${run_list//$dropped/}" --test "${test_list//$dropped/}" "$1" 2>&1)
  status=$?
  if [ "$status" -ne 1 ] || ! grep -qw -- "$dropped" <<<"$output"; then
    echo "FAIL: without $dropped the check ended with $status and said: $output"
    exit 1
  fi
done
echo "The check passes with the lists and names qt6-svg-dev and libbenchmark-dev when they are left out."
