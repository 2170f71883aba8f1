#!/usr/bin/env bash
# scripts/update-translations --check fails naming the file and the text when a translation file or a
# translated guide falls out of step with the sources (that it passes on them: Translations.EveryFileCoversEveryText).
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# fresh: a copy of what the check reads, in $work/tree.
fresh() {
  rm -rf "$work/tree"
  mkdir -p "$work/tree/scripts"
  cp -r "$root/src" "$root/web" "$root/translations" "$root/docs" "$work/tree/"
  cp -r "$root/scripts/update-translations" "$root/scripts/lib" "$work/tree/scripts/"
}

# Each case: what breaks the copy, then a line the check must print.
cases=(
  "python3 -c 'import re,sys; p=sys.argv[1]; s=open(p).read(); open(p,\"w\").write(re.sub(r\"<message>\\s*<source>Show Puzzle</source>.*?</message>\\s*\", \"\", s, count=1, flags=re.S))' tree/translations/loopword_fr.ts"
  "loopword_fr.ts: new [Messages] Show Puzzle"
  "sed -i 's|<source>Show Puzzle</source>|<source>Show the Puzzle</source>|' tree/translations/loopword_it.ts"
  "loopword_it.ts: changed [Messages] Show the Puzzle -> Show Puzzle"
  "sed -i 's|<source>Stop</source>|<source>Halt the compile at once</source>|' tree/translations/loopword_nl.ts"
  "loopword_nl.ts: unused [Messages] Halt the compile at once"
  "sed -i 's|<translation>LÖSUNG</translation>|<translation type=\"unfinished\">LÖSUNG</translation>|' tree/translations/loopword_de.ts"
  "loopword_de.ts: unfinished [Sheets] SOLUTION"
  "sed -i 's|>Read results</button>|>Read the codes</button>|' tree/web/index.html"
  "loopword_es.ts: new [WebPage] Read the codes"
  "sed -i 's|\"Accessibility\", \"empty\"|\"Accessibility\", \"vacant\"|' tree/src/session/figure_reading.cpp"
  "loopword_pt.ts: new [Accessibility] vacant"
  "sed -i 's|Making a puzzle</h2>|Making puzzles</h2>|' tree/docs/guide.html"
  "docs/guide.pt.html: made from another version of docs/guide.html"
  "rm tree/docs/guide.es.html"
  "docs/guide.es.html: missing"
  "sed -i 's|<html lang=\"nl\">|<html lang=\"de\">|' tree/docs/guide.nl.html"
  "docs/guide.nl.html: its <html> element does not say lang=\"nl\""
)
status=0
for ((i = 0; i < ${#cases[@]}; i += 2)); do
  fresh
  (cd "$work" && eval "${cases[i]}")
  output=$(bash "$work/tree/scripts/update-translations" --check 2>&1)
  result=$?
  if [ "$result" -eq 0 ] || ! grep -qF -- "${cases[i + 1]}" <<<"$output"; then
    echo "FAIL: after ${cases[i]}"
    echo "  the check ended with $result and did not say: ${cases[i + 1]}"
    echo "$output" | head -10 | sed 's/^/  /'
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "The check names each text or guide out of step."
exit "$status"
