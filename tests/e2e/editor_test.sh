#!/usr/bin/env bash
# The real editor on a virtual display, as an author uses it: a maze number
# typed into the prompt, a close request refused for want of a start, a
# small maze built from the keyboard (a wall row, a door, its key, a start
# and a goal typed on a Russian layout, a wall), then saved with Esc, Yes, No
# and checked byte by byte. The save question ignores Escape and a close
# request.
source "$(dirname "$0")/lib.sh"
e2e_setup
folder=$(e2e_program_folder)

answer() {  # answer <text to type or ""> <key>: to the dialog that has the focus
  sleep 0.5
  e2e_wait_active Loomsel
  [ -z "$1" ] || xdotool type --delay 60 "$1"
  e2e_keys "$2"
}

e2e_start "$folder" loomsel "$E2E_TMP/audio.raw"
answer abc Return
answer 1 Return
e2e_wait_active "Location: 1, 1 - Loomsel"
e2e_close "Location: 1, 1 - Loomsel"
answer "" Return
e2e_wait_active "Location: 1, 1 - Loomsel"

e2e_keys Left Down f
sleep 1
e2e_keys Right Right Right Right d
answer 7 Return
e2e_wait_active "Location: 5, 2 - Loomsel"
e2e_keys Up Left Left k
answer 7 Return
e2e_wait_active "Location: 3, 1 - Loomsel"
# The keys of S and W on a Russian layout set the start and the goal.
setxkbmap -layout ru || e2e_fail "cannot give the display a Russian layout"
e2e_keys Left Left Cyrillic_yeru
sleep 0.5
e2e_keys Right Right Right Right Down Down Cyrillic_tse
sleep 0.5
setxkbmap -layout us
e2e_keys Right space
e2e_wait_active "Location: 6, 3 - Loomsel"
e2e_keys Escape
sleep 0.5
e2e_wait_active Loomsel
question=$(xdotool getactivewindow)
e2e_keys Escape Escape
wmctrl -i -c "$question"
sleep 0.5
[ "$(xdotool getactivewindow)" = "$question" ] || e2e_fail "Escape or a close request answered the question"
answer "" y
answer "" n
e2e_wait_status "$E2E_PID"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "loomsel ended with status $E2E_STATUS"
cmp "$E2E_FIXTURES/edited.maz" "$folder/1.maz" || e2e_fail "1.maz is not the maze built"
! ls -A "$folder" | grep -q '\.saving$' || e2e_fail "a temporary file was left behind"
echo PASS
