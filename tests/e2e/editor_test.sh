#!/usr/bin/env bash
# The real editor on a virtual display, as an author would use it: a maze
# number typed into the prompt, a small maze with a wall row, a door, its key,
# a start, a goal and a wall built from the keyboard, then saved with Esc,
# Yes, No. The saved file is checked byte by byte. A close request runs the
# save flow and keeps the window open. A question ignores Escape and close
# requests, and letter keys work on a Russian layout.
source "$(dirname "$0")/lib.sh"
e2e_setup

folder=$(e2e_program_folder)
[ -x "$folder/loomsel" ] || e2e_fail "no loomsel in $E2E_PROGRAM_DIR"
maze="$folder/1.maz"

# One row of a maze file: a pattern of cells, the rest filled with one byte,
# then CR LF. Cells are given as printf escapes.
row() {  # row <cells> <count of cells> <fill>
  printf "$1"
  local n
  for ((n = $2; n < 100; n++)); do printf '%s' "$3"; done
  printf '\r\n'
}

# The maze built below: a key 7 on row 1, a wall row 2 with door 7 at column
# 5, a wall at column 6 of row 3; start (1, 1), goal (5, 3). Door 7 is byte
# 206 and key 7 byte 226.
expected="$E2E_TMP/expected.maz"
{
  row '  \342' 3 ' '
  row '####\316' 5 '#'
  row '     #' 6 ' '
  for ((y = 4; y <= 100; y++)); do row '' 0 ' '; done
  printf ' 1 \r\n 1 \r\n 5 \r\n 3 \r\n'
} >"$expected"

# Dialogs come one after another under the same title: each answer first
# gives the one before time to close.
type_number() {  # type_number <text>: into the prompt that has the focus
  sleep 0.5
  e2e_wait_active Loomsel
  e2e_type "$1"
  e2e_keys Return
}

answer() {  # answer <key>: to the message or question that has the focus
  sleep 0.5
  e2e_wait_active Loomsel
  e2e_keys "$1"
}

e2e_log "start: the number prompt comes back after an entry that is not a number"
audio="$E2E_TMP/loomsel.raw"
e2e_start "$folder" loomsel "$audio"
e2e_wait_title_count Loomsel 2  # the window and its prompt
type_number abc
type_number 1
e2e_wait_window "Location: 1, 1 - Loomsel" >/dev/null
e2e_wait_active "Location: 1, 1 - Loomsel"

e2e_log "a close request without a start shows the start message and is cancelled"
e2e_close "Location: 1, 1 - Loomsel"
answer Return
e2e_wait_active "Location: 1, 1 - Loomsel"
sleep 0.5
e2e_expect_running "$E2E_PID" "the close request was not cancelled"

e2e_log "build the maze"
e2e_keys Left  # the edge: a beep
e2e_keys Down f
sleep 1  # the three wall clips
e2e_keys Right Right Right Right d
type_number 7
e2e_wait_active "Location: 5, 2 - Loomsel"
e2e_keys Up Left Left k
type_number 7
e2e_wait_active "Location: 3, 1 - Loomsel"
e2e_keys Left Left s
sleep 0.5  # the start clip
e2e_keys Right Right Right Right Down Down w
sleep 0.5  # the goal clip
e2e_keys Right space
e2e_wait_window "Location: 6, 3 - Loomsel" >/dev/null

e2e_log "save with Esc, Yes, then No to another maze"
e2e_keys Escape
e2e_wait_title_count Loomsel 2  # the caption is Loomsel during the questions
answer y
answer n
e2e_wait_status "$E2E_PID"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "loomsel ended with status $E2E_STATUS"
[ -f "$maze" ] || e2e_fail "1.maz was not saved"
if ! cmp "$expected" "$maze"; then
  cmp -l "$expected" "$maze" | head -n 10 >&2
  e2e_fail "1.maz differs from the maze built"
fi
ls -a "$folder" | grep -q '\.saving$' && e2e_fail "a temporary file was left behind"

rms=$(e2e_audio_rms "$audio" 0 "$(e2e_audio_seconds "$audio")")
awk -v r="$rms" 'BEGIN { exit !(r > 0.001) }' || e2e_fail "nothing was heard (RMS $rms)"

e2e_log "reopen: a close request answered No and Yes opens another maze in the same window"
e2e_start "$folder" loomsel "$E2E_TMP/loomsel2.raw"
e2e_wait_title_count Loomsel 2
type_number 1
answer Return  # "That maze already exists..."
e2e_wait_active "Location: 1, 1 - Loomsel"
e2e_keys space  # a change that is never saved
e2e_close "Location: 1, 1 - Loomsel"
e2e_wait_title_count Loomsel 2
answer n
answer y
type_number 2
e2e_wait_active "Location: 1, 1 - Loomsel"
e2e_expect_running "$E2E_PID" "the close request was not cancelled"

e2e_log "leave maze 2 unsaved, typed on a Russian layout: the keys of S and W set start and goal"
setxkbmap -layout ru || e2e_fail "cannot give the display a Russian layout"
e2e_keys Cyrillic_yeru Right Cyrillic_tse Escape
# Only with both set does the caption read Loomsel beside the question.
e2e_wait_title_count Loomsel 2
setxkbmap -layout us

e2e_log "Escape and a close request leave the question open"
sleep 0.5
e2e_wait_active Loomsel
question=$(xdotool getactivewindow)
e2e_keys Escape Escape
wmctrl -i -c "$question"
sleep 0.5
[ "$(xdotool getactivewindow 2>/dev/null || true)" = "$question" ] ||
  e2e_fail "Escape or the close request answered the question"
answer n
answer n
e2e_wait_status "$E2E_PID"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "loomsel ended with status $E2E_STATUS"
cmp -s "$expected" "$maze" || e2e_fail "1.maz changed without a save"
[ ! -e "$folder/2.maz" ] || e2e_fail "2.maz was written without a save"

e2e_log "PASS"
