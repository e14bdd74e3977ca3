#!/usr/bin/env bash
# The screen-reader tests: both desktop programs, then both pages in chromium
# and in firefox, each under Orca (session.sh).
#
#   tests/e2e/screen-reader/run.sh <native build folder>
source "$(dirname "$0")/../site.sh"
export TARNWICK_SITE=$site TARNWICK_PROGRAM_DIR=$native/bin
# A session for each: Orca can be left waiting on a program that has closed.
status=0
tests/e2e/screen-reader/session.sh node --test tests/e2e/screen-reader/desktop.test.mjs || status=1
for browser in chromium firefox; do
  TARNWICK_BROWSER=$browser tests/e2e/screen-reader/session.sh \
    node --test tests/e2e/screen-reader/pages.test.mjs || status=1
done
exit $status
