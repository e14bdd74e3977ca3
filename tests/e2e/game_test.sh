#!/usr/bin/env bash
# The real game on a virtual display. Each clip listened for is a tone of
# its own pitch, so the recording tells which one sounded: the intro, the
# menu, the start of a maze, the steps and the win; then a close request
# ends the game. The first step is a Right held on a busy machine: X sends
# each repeat of a held key as a release and a press, and a repeat taken for
# a real release would let the next repeat step again.
source "$(dirname "$0")/lib.sh"
e2e_setup
folder=$(e2e_program_folder)
audio="$E2E_TMP/audio.raw"
e2e_tone "$folder/mazeIntro.wav" 1.5 300
e2e_tone "$folder/chooseMaze.wav" 0.8 500
e2e_tone "$folder/go.wav" 0.5 900
e2e_tone "$folder/step.wav" 0.15 1200
e2e_tone "$folder/winMaze.wav" 1.2 1500
cp "$E2E_FIXTURES/corridor.maz" "$folder/1.maz"
cp "$E2E_FIXTURES/corridor.maz" "$folder/2.maz"

TARNWICK_TRACE=1 e2e_start "$folder" tarnwick "$audio"
e2e_wait_active Tarnwick
e2e_heard "$audio" 0 300 "the intro"
e2e_heard "$audio" "$(awk -v a="$E2E_AT" 'BEGIN { print a + 1.55 }')" 500 "the menu's opening clip"
e2e_key_heard "$audio" Return 900 "the start of maze 1"
# The load comes with the repeats, after the first press; a quick repeat
# rate gives it many repeats to spoil in a short hold.
xset r rate 250 50
mark=$(e2e_audio_seconds "$audio")
xdotool keydown Right
e2e_busy 5
sleep 1.5
xdotool keyup Right
e2e_calm
e2e_heard "$audio" "$mark" 1200 "step 1, Right held"
# Time for a late repeat to step, and for the machine to settle.
sleep 1
steps=$(grep -c '^step at column' "$E2E_TMP/tarnwick.out" || true)
[ "$steps" -eq 1 ] || e2e_fail "holding Right walked $steps cells, not one"
e2e_key_heard "$audio" Right 1200 "step 2"
e2e_key_heard "$audio" Right 1500 "the win" 0.3
e2e_heard "$audio" "$(awk -v a="$E2E_AT" 'BEGIN { print a + 1.25 }')" 500 "the menu after the win"
e2e_close Tarnwick
e2e_wait_status "$E2E_PID" 5
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "tarnwick ended with status $E2E_STATUS on a close request"
echo PASS
