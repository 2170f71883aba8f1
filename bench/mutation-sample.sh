#!/usr/bin/env bash
# The mutation sample the README reports: each core module's sources against that module's tests, then the page's script.
# Usage: bench/mutation-sample.sh REPORT_DIR [BATCH...]   BATCH: session puzzle-play words engines board web (default: all)
# Needs build/ (for loopword-compile) and build-web/ (./scripts/web) built first; mutants build in build-mutate/.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd); shift
[ $# -gt 0 ] || set -- session puzzle-play words engines board web
cd "$ROOT"
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs} CCACHE_BASEDIR=$ROOT

batch() {  # name count test-name-regex files...
  local name=$1 count=$2 regex=$3; shift 3
  echo "== $name"
  python3 tools/mutate --count "$count" --seed 1 --build "$ROOT/build-mutate" --report "$out/$name.json" \
    --ctest-args "-L unit -j $(nproc) -R $regex" "$@" >"$out/$name.log" 2>&1
  grep -E '^\s*all files' "$out/$name.log"
}

page=$(mktemp -d)
trap 'rm -rf "$page"' EXIT
page_test="python3 web/build_page.py web data docs $ROOT/build-web/bin/loopword_solve.js $ROOT/build-web/bin/loopword_make.js $ROOT/build-web/web/page-texts.json $page >/dev/null \
 && cd tests/web && LOOPWORD_PAGE=$page/loopword.html LOOPWORD_SITE=$page/site LOOPWORD_COMPILE=$ROOT/build/bin/loopword-compile \
 timeout 900 node --test page_test.js >/dev/null 2>&1"

for b in "$@"; do
  case $b in
    session) batch session 45 '^(SessionTest|Choices|ClassSet|PupilRules|LiveCompile)[.]' src/session/*.cpp ;;
    puzzle-play) batch puzzle-play 35 '^(PlacementLine|PuzzleFile|BookletMaker|Solving|TypedLines)[.]' src/puzzle/*.cpp src/play/*.cpp ;;
    words) batch words 25 '^(DictionaryState|FoldWord|ReadDictionary|ReadDictionaryFile|BundledLists|ThemeWords|WordLists)[.]' src/words/*.cpp ;;
    engines) batch engines 40 '^(Compiler|ExactCompile|ExactEngine|ThemeEngine|Grader|GradedPuzzles|BothSearches)' \
      src/compiler/*.cpp src/exact/*.cpp src/grade/*.cpp ;;
    board) batch board 10 '^(CheckOverlaps|SquarePattern|Message|Board|PlacementLine)' src/board/*.cpp ;;
    web) echo "== web"
      python3 tools/mutate --count 8 --seed 1 --build "$ROOT/build-mutate" --report "$out/web.json" --timeout 900 \
        --web-test "$page_test" web/loopword.js >"$out/web.log" 2>&1
      grep -E '^\s*all files' "$out/web.log" ;;
    *) echo "unknown batch: $b" >&2; exit 2 ;;
  esac
done
