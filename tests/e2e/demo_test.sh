#!/usr/bin/env bash
# ./play on a machine without a display says so and offers the headless
# demonstration, which walks maze 1 to its goal, prints what is heard and
# leaves demo.wav in the current folder.
source "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$E2E_PROGRAM_DIR/.." && pwd)

said=$(cd "$E2E_TMP" && env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$E2E_TMP/none" \
  "$root/play" 2>&1) && e2e_fail "./play without a display claimed success"
grep -q "needs a desktop session with sound" <<<"$said" || e2e_fail "./play did not say why: $said"
grep -q -- "./play --demo" <<<"$said" || e2e_fail "./play did not offer the demonstration"

mkdir "$E2E_TMP/here"
(cd "$E2E_TMP/here" && "$root/scripts/demo" "$build") >"$E2E_TMP/demo.out" 2>&1 ||
  { cat "$E2E_TMP/demo.out"; e2e_fail "the demonstration failed"; }
heard() { grep -c -x -E "  $1" "$E2E_TMP/demo.out" || true; }
steps=$("$build/mazeroute" "$E2E_PROGRAM_DIR/1.maz" | wc -l)
[ "$(heard go)$(heard wall)$(heard winMaze)" = 111 ] || e2e_fail "not one start, one bump and one win printed"
[ "$(heard 'step at column [0-9]+')" -eq "$steps" ] || e2e_fail "not $steps steps printed"
seconds=$(soxi -D "$E2E_TMP/here/demo.wav")
rms=$(sox "$E2E_TMP/here/demo.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
awk -v s="$seconds" -v r="$rms" 'BEGIN { exit !(s > 10 && r > 0.005) }' ||
  e2e_fail "demo.wav is $seconds s long at RMS $rms"
echo PASS
