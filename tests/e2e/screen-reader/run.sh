#!/usr/bin/env bash
# The screen-reader tests: both desktop programs, then both pages in chromium,
# each under Orca (session.sh). pages.test.mjs also runs in firefox
# (TARNWICK_BROWSER=firefox); there the game's page passes, but the editor's
# first number prompt is not read yet: opening, it takes the Start button out
# of what Orca sees in the same report as it takes the focus. Builds the site and
# installs puppeteer-core from the lock file, as the browser tests do.
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
TARNWICK_BROWSER=chromium tests/e2e/screen-reader/session.sh \
  node --test tests/e2e/screen-reader/pages.test.mjs || status=1
exit $status
