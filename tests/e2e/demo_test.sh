#!/usr/bin/env bash
# The headless demonstration that ./play offers on a machine without a
# desktop: it must walk maze 1 to its goal, print what is heard, and leave
# demo.wav in the current folder. And ./play itself, without a display,
# must say so and offer the demonstration instead of failing.
source "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$E2E_PROGRAM_DIR/.." && pwd)

# Without a display or a sound device, ./play stops at once with one sentence.
status=0
said=$(cd "$E2E_TMP" && env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$E2E_TMP/none" \
  "$root/play" 2>&1) || status=$?
e2e_log "./play without a display said: $said"
[ "$status" -ne 0 ] || e2e_fail "./play without a display claimed success"
grep -q "needs a desktop session with sound" <<<"$said" || e2e_fail "./play did not say why"
grep -q -- "./play --demo" <<<"$said" || e2e_fail "./play did not offer the demonstration"

# The demonstration itself, run from a folder of its own.
mkdir -p "$E2E_TMP/here"
(cd "$E2E_TMP/here" && "$root/scripts/demo" "$build") >"$E2E_TMP/demo.out" 2>&1 ||
  { cat "$E2E_TMP/demo.out"; e2e_fail "the demonstration failed"; }
cat "$E2E_TMP/demo.out"
heard() { grep -c -x -E "  $1" "$E2E_TMP/demo.out" || true; }
route=$("$build/mazeroute" "$E2E_PROGRAM_DIR/1.maz" | wc -l)
[ "$(heard go)" -eq 1 ] || e2e_fail "\"go\" was not printed once"
[ "$(heard 'step at column [0-9]+')" -eq "$route" ] ||
  e2e_fail "expected $route steps printed, saw $(heard 'step at column [0-9]+')"
[ "$(heard wall)" -eq 1 ] || e2e_fail "the bump into the wall was not printed"
[ "$(heard winMaze)" -eq 1 ] || e2e_fail "the win was not printed"

wav="$E2E_TMP/here/demo.wav"
[ -f "$wav" ] || e2e_fail "no demo.wav in the current folder"
seconds=$(soxi -D "$wav")
e2e_log "demo.wav: $seconds s, $(soxi -r "$wav") Hz, $(soxi -c "$wav") channels"
awk -v s="$seconds" 'BEGIN { exit !(s > 10) }' || e2e_fail "demo.wav is only $seconds s long"
rms=$(sox "$wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
awk -v r="$rms" 'BEGIN { exit !(r > 0.005) }' || e2e_fail "demo.wav is silent (RMS $rms)"
echo "PASS"
