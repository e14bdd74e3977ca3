#!/usr/bin/env bash
# The browser tests: every *.test.mjs here against the served site in
# chromium, and the story again in firefox. The story walks its mazes with
# the route finder of the native build given.
#
#   tests/e2e/web/run.sh <native build folder>
source "$(dirname "$0")/../site.sh"
mazeroute=$(find "$native" -name mazeroute -type f -perm -u+x | head -n 1)
[ -n "$mazeroute" ] || { echo "no mazeroute in $native" >&2; exit 1; }
export TARNWICK_SITE=$site TARNWICK_MAZEROUTE=$mazeroute
# One at a time: each drives its own browser.
status=0
for test in tests/e2e/web/*.test.mjs; do
  node --test "$test" || status=1
done
# Firefox's audio clock runs only with a sound output.
source tests/e2e/sound-server.sh
sounds=$(mktemp -d)
sound_server "$sounds"
TARNWICK_BROWSER=firefox node --test tests/e2e/web/story.test.mjs || status=1
kill "$SOUND_SERVER_PID"
rm -rf "$sounds"
exit $status
