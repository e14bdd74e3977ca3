#!/usr/bin/env bash
# The screen-reader tests: both desktop programs, then both pages in chromium
# and in firefox, each under Orca (session.sh). Builds the site and installs
# puppeteer-core from the lock file, as the browser tests do.
#
#   tests/e2e/screen-reader/run.sh <native build folder>
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
native=$(cd "${1:?usage: run.sh <native build folder>}" && pwd)
cd "$root"
site=$(scripts/site)
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null
export TARNWICK_SITE=$site TARNWICK_PROGRAM_DIR=$native/bin
# A session for each: Orca can be left waiting on a program that has closed.
status=0
tests/e2e/screen-reader/session.sh node --test tests/e2e/screen-reader/desktop.test.mjs || status=1
for browser in chromium firefox; do
  TARNWICK_BROWSER=$browser tests/e2e/screen-reader/session.sh \
    node --test tests/e2e/screen-reader/pages.test.mjs || status=1
done
exit $status
