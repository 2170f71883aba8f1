#!/usr/bin/env bash
# Measures the hosted page as a phone sees it: Lighthouse 12.2.3 (mobile: slow 4G, 4x slower CPU) with Debian's
# chromium, on build-web/site served gzipped from 127.0.0.1, and on any other addresses given, side by side.
# Usage: bench/lighthouse.sh [RUNS] [URL...]     (scripts/web builds the site first)
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-3}"
shift || true
port=8931
(cd "$root/bench/lighthouse" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
node "$root/bench/static-server.js" "$root/build-web/site" "$port" &
server=$!
trap 'kill $server' EXIT
sleep 0.5
work="$(mktemp -d)"
flags="--headless=new --no-sandbox"
printf '%-34s %5s %6s %6s %6s %6s %8s %5s %s\n' page score FCP LCP CLS TBT KiB a11y errors
for url in "http://127.0.0.1:$port/" "$@"; do
  for run in $(seq "$runs"); do
    CHROME_PATH=/usr/bin/chromium "$root/bench/lighthouse/node_modules/.bin/lighthouse" "$url" --quiet \
      --chrome-flags="$flags" --only-categories=performance,accessibility,best-practices \
      --output=json --output-path="$work/report.json" >/dev/null 2>&1
    node -e '
      const r = require(process.argv[1]);
      const a = (id) => r.audits[id];
      const errors = (a("errors-in-console").details?.items ?? []).length;
      console.log([process.argv[2].slice(0, 34).padEnd(34), r.categories.performance.score.toFixed(2).padStart(5),
        (a("first-contentful-paint").numericValue / 1000).toFixed(1).padStart(5) + "s",
        (a("largest-contentful-paint").numericValue / 1000).toFixed(1).padStart(5) + "s",
        a("cumulative-layout-shift").numericValue.toFixed(3).padStart(6),
        Math.round(a("total-blocking-time").numericValue).toString().padStart(4) + "ms",
        Math.round(a("total-byte-weight").numericValue / 1024).toString().padStart(8),
        r.categories.accessibility.score.toFixed(2).padStart(5), errors].join(" "));
    ' "$work/report.json" "$url"
  done
done
rm -rf "$work"
