# Shared by scripts/run and scripts/test: installs what is missing and builds the program.
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"
# The compiler cache (ccache, in the test packages) keys its objects by paths below the checkout, so that a second run
# of the builds, in this folder or in another clone, compiles only what changed.
export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true

# Debian packages building and running the program need (qt6-l10n-tools: lrelease makes its translations;
# qt6-translations-l10n: the toolkit's own texts, such as the Yes and No of a question, in the user's language;
# libcli11-dev: loopword-compile's options, header only).
PACKAGES=(
  build-essential cmake pkg-config libcli11-dev
  qt6-base-dev qt6-svg-dev libgl-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation
)
# Debian packages building the web page needs: the C++ compiler to WebAssembly; zopfli, which gzips the page's parts
# smaller than gzip does; node-terser, which makes the page's scripts smaller; python3, which puts the page together.
WEB_PACKAGES=(emscripten zopfli node-terser python3)
# Debian packages the tests, the fuzzers, the benchmarks and the package checks need besides (the w* word lists:
# puzzles in other languages are checked against them; qt6-base-private-dev: the window's accessibility is switched
# on in its tests as a screen reader would; at-spi2-core, python3-pyatspi, dbus-daemon: the window read over the
# accessibility bus; ccache: tools/mutate rebuilds each mutant through it; zbar-tools: the web page's QR codes read
# back by zbarimg; unzip: the learning platform package opened as a platform opens it).
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev qt6-base-private-dev
  clang libclang-rt-14-dev
  xvfb x11-utils x11-apps xdotool imagemagick python3 at-spi2-core python3-pyatspi dbus-daemon
  cups cups-client printer-driver-cups-pdf poppler-utils
  dpkg-dev lintian desktop-file-utils appstream ccache
  wngerman wfrench wspanish witalian wportuguese wdutch
  "${WEB_PACKAGES[@]}" chromium zbar-tools unzip
)
# Installs the browser driver for the browser tests; only when no npm is there, since a node.js
# that brings its own npm conflicts with Debian's package.
NPM_PACKAGES=(npm)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing [PACKAGE...]: installs the build packages and those given that are not
# installed yet; does nothing when all are there.
install_missing() {
  local missing=()
  local package
  for package in "${PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$package")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure DIR [cmake options...]: configures one build folder, showing CMake's output only when it fails.
configure() {
  local dir="$1"
  shift
  local log
  log="$(mktemp)"
  local launcher=()
  if command -v ccache >/dev/null; then launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  if ! cmake -S "$ROOT" -B "$dir" "${launcher[@]}" "$@" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    echo "Configuring $dir failed" >&2
    return 1
  fi
  rm -f "$log"
}

# configure_and_build DIR [cmake options...]: configures and builds one build folder.
configure_and_build() {
  configure "$@"
  cmake --build "$1" -j "$JOBS"
}
