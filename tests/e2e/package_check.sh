#!/usr/bin/env bash
# Builds the Debian package and checks its lintian errors, dependencies, desktop entry, AppStream data and a run.
# Usage: package_check.sh BUILD_DIR
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
for tool in cpack dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is missing (scripts/test installs it)"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$1" && cpack -G DEB -B "$work" >"$work/log") || { cat "$work/log"; exit 1; }
deb="$(echo "$work"/loopword_*_*.deb)"
lintian --fail-on error "$deb"
[[ "$(dpkg-deb -f "$deb" Section Depends)" =~ games.*qt6-qpa-plugins.*fonts-liberation.*libqt6widgets6 ]]
dpkg -x "$deb" "$work/root"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.xml
[ "$("$work/root/usr/games/loopword-compile" --level 1 | grep -c "^[0-9]")" -eq 23 ]
