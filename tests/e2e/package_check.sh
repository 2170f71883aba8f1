#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it: lintian reports no errors, the
# installed desktop entry and AppStream data validate, the dependencies come from the libraries
# used, and loopword-compile runs from the unpacked tree.
# Usage: package_check.sh BUILD_DIR
set -euo pipefail
build="$1"
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (scripts/test installs the package tools)"
    exit 77
  fi
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb="$(ls "$work"/loopword_*_*.deb)"
lintian --fail-on error "$deb"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in the games section"

dpkg -x "$deb" "$work/root"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
[ "$("$work/root/usr/games/loopword-compile" --level 1 --seed 2 | grep -c .)" -eq 23 ] ||
  fail "loopword-compile from the unpacked package did not make a puzzle"
echo "package checked: $(basename "$deb")"
