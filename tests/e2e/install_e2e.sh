#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs both programs from there: loopword-compile
# --level finds the installed lists from any folder, its manual page names every option of
# --help, and the window (in a private X server) names the installed list in its title.
# Usage: install_e2e.sh BUILD_DIR
set -euo pipefail
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
prefix="$(mktemp -d)"
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${X_PID:-}" ] && kill "$X_PID" 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
fail() { echo "$*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
lists="$prefix/share/loopword"

# 23 placement lines whose words (the last field) all come from the level 2 list.
(cd / && "$prefix/bin/loopword-compile" --level 2 --seed 11) >"$prefix/puzzle.txt"
[ "$(grep -c . "$prefix/puzzle.txt")" -eq 23 ] || fail "loopword-compile --level 2 did not print one puzzle"
awk 'NF {print $NF}' "$prefix/puzzle.txt" | sort >"$prefix/words.txt"
tr -d '\r' <"$lists/L2words.txt" | sort | comm -23 "$prefix/words.txt" - >"$prefix/strangers.txt"
[ ! -s "$prefix/strangers.txt" ] || fail "words not in the level 2 list: $(cat "$prefix/strangers.txt")"

# Without the installed lists the program must say which file it missed.
mv "$lists" "$prefix/hidden"
if "$prefix/bin/loopword-compile" --level 2 2>"$prefix/error.txt"; then fail "made a puzzle without a list"; fi
grep -qF "$prefix/bin/L2words.txt" "$prefix/error.txt" || fail "the error does not name the missing list"
mv "$prefix/hidden" "$lists"

# The manual page documents every option the program's help lists.
for option in $("$prefix/bin/loopword-compile" --help | grep -o -- '--[a-z]*' | sort -u); do
  gzip -dc "$prefix/share/man/man6/loopword-compile.6.gz" | sed 's/\\-/-/g' | grep -q -- "$option" ||
    fail "loopword-compile.6 does not describe $option"
done

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "SKIP: the window check needs Xvfb and xdotool (installed by scripts/test)"
  exit 77
fi
source "$here/private_x.sh"
start_private_x
"$prefix/bin/loopword" >/dev/null 2>&1 &
app_pid=$!
for _ in $(seq 300); do
  title="$(xdotool search --onlyvisible --name '^Dictionary: ' getwindowname 2>/dev/null | head -n 1 || true)"
  [ -n "$title" ] && break
  sleep 0.1
done
[[ "${title:-}" == "Dictionary: $lists/L1words.txt ("*" words)" ]] ||
  fail "the window title is '${title:-}', not the installed level 1 list"
echo "installed tree works: $title"
