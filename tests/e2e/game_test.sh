#!/usr/bin/env bash
# The real game on a virtual display. Each clip the test listens for is a
# tone of its own pitch, so the recording tells which one sounded: the intro,
# the menu, the start of a maze, the steps and the win; then a close request
# ends the game.
source "$(dirname "$0")/lib.sh"
e2e_setup

folder=$(e2e_program_folder)
[ -x "$folder/tarnwick" ] || e2e_fail "no tarnwick in $E2E_PROGRAM_DIR"
audio="$E2E_TMP/audio.raw"

e2e_tone "$folder/mazeIntro.wav" 1.5 300
e2e_tone "$folder/chooseMaze.wav" 0.8 500
e2e_tone "$folder/1.wav" 0.3 700
e2e_tone "$folder/go.wav" 0.5 900
e2e_tone "$folder/step.wav" 0.15 1200
e2e_tone "$folder/winMaze.wav" 1.2 1500

# A maze file: walls everywhere but one row open from column <from> to <to>,
# the start at the west end and the goal at the east end.
corridor_maze() {  # corridor_maze <file> <row> <from> <to>
  local y row
  for y in $(seq 1 100); do
    row=$(printf '#%.0s' $(seq 1 100))
    if [ "$y" -eq "$2" ]; then
      row="${row:0:$(($3 - 1))}$(printf ' %.0s' $(seq "$3" "$4"))${row:$4}"
    fi
    printf '%s\r\n' "$row"
  done >"$1"
  printf ' %d \r\n' "$3" "$2" "$4" "$2" >>"$1"
}
corridor_maze "$folder/1.maz" 5 10 13
corridor_maze "$folder/2.maz" 40 50 60

# expect_tone <from> <to> <hz> <what>: the pitch heard between two times.
expect_tone() {
  local hz
  hz=$(e2e_audio_freq "$audio" "$1" "$2")
  e2e_log "$4: ${hz:-nothing} Hz between $1 s and $2 s (expected $3)"
  [ -n "$hz" ] || e2e_fail "$4: nothing heard"
  awk -v h="$hz" -v e="$3" 'BEGIN { exit !(h > e * 0.95 && h < e * 1.05) }' ||
    e2e_fail "$4: heard $hz Hz, expected $3 Hz"
}

# onset_after <time> <what>: the time of the first sound after a moment.
onset_after() {
  local at
  at=$(e2e_audio_onset "$audio" "$1")
  [ -n "$at" ] || e2e_fail "$2: nothing heard after $1 s"
  awk -v a="$at" -v f="$1" 'BEGIN { exit !(a - f < 0.5) }' ||
    e2e_fail "$2: the first sound after $1 s came only at $at s"
  echo "$at"
}

e2e_start "$folder" tarnwick "$audio"
e2e_wait_window Tarnwick >/dev/null
e2e_wait_active Tarnwick

# The intro, then the menu's opening clip, then the menu says "1".
e2e_wait_audio "$audio" 1
intro=$(onset_after 0 "the intro")
e2e_wait_audio "$audio" "$(awk -v i="$intro" 'BEGIN { print i + 2.8 }')"
expect_tone "$(awk -v i="$intro" 'BEGIN { print i + 0.2 }')" \
  "$(awk -v i="$intro" 'BEGIN { print i + 1.3 }')" 300 "the intro"
expect_tone "$(awk -v i="$intro" 'BEGIN { print i + 1.6 }')" \
  "$(awk -v i="$intro" 'BEGIN { print i + 2.2 }')" 500 "the menu's opening clip"
expect_tone "$(awk -v i="$intro" 'BEGIN { print i + 2.35 }')" \
  "$(awk -v i="$intro" 'BEGIN { print i + 2.55 }')" 700 "the menu's first entry"

# Enter starts maze 1.
mark=$(e2e_audio_seconds "$audio")
e2e_keys Return
e2e_wait_audio "$audio" "$(awk -v m="$mark" 'BEGIN { print m + 0.9 }')"
go=$(onset_after "$mark" "the start of the maze")
expect_tone "$(awk -v g="$go" 'BEGIN { print g + 0.1 }')" \
  "$(awk -v g="$go" 'BEGIN { print g + 0.4 }')" 900 "the start of the maze"

# Two steps east, each a step sound.
for n in 1 2; do
  mark=$(e2e_audio_seconds "$audio")
  e2e_keys Right
  e2e_wait_audio "$audio" "$(awk -v m="$mark" 'BEGIN { print m + 0.6 }')"
  step=$(onset_after "$mark" "step $n")
  expect_tone "$(awk -v s="$step" 'BEGIN { print s + 0.02 }')" \
    "$(awk -v s="$step" 'BEGIN { print s + 0.12 }')" 1200 "step $n"
done

# The third step reaches the goal: the winning clip, then the menu again.
mark=$(e2e_audio_seconds "$audio")
e2e_keys Right
e2e_wait_audio "$audio" "$(awk -v m="$mark" 'BEGIN { print m + 2.8 }')"
win=$(onset_after "$mark" "the goal")
expect_tone "$(awk -v w="$win" 'BEGIN { print w + 0.3 }')" \
  "$(awk -v w="$win" 'BEGIN { print w + 1.1 }')" 1500 "the winning clip"
expect_tone "$(awk -v w="$win" 'BEGIN { print w + 1.3 }')" \
  "$(awk -v w="$win" 'BEGIN { print w + 1.9 }')" 500 "the menu after the win"
e2e_expect_running "$E2E_PID" "after the win"

# A close request from the window manager ends the game at once.
e2e_close Tarnwick
e2e_wait_status "$E2E_PID" 5
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "tarnwick ended with status $E2E_STATUS after the close request"
e2e_log "closed; tarnwick ended with status 0"
echo "PASS"
