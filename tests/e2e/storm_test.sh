#!/usr/bin/env bash
# Key storms on the real programs: each gets a minute of random key presses
# from xdotool on a virtual display, the editor's dialogs answered as they
# come up (never No to "Edit another maze?"), then a clean close. The
# program must stay alive throughout and end, with status 0, when asked.
#
# TARNWICK_STORM_SECONDS shortens or lengthens each storm (default 60).
source "$(dirname "$0")/lib.sh"
e2e_setup

export LC_ALL=C
seconds=${TARNWICK_STORM_SECONDS:-60}
seed=${TARNWICK_STORM_SEED:-1803}
RANDOM=$seed
folder=$(e2e_program_folder)
for program in tarnwick loomsel; do
  [ -x "$folder/$program" ] || e2e_fail "no $program in $E2E_PROGRAM_DIR"
done

# A maze file of open floor with a few special cells: <file> <start x> <start
# y> <goal x> <goal y> [x:y:byte ...] (byte as a printf escape).
write_maze() {
  local file=$1 sx=$2 sy=$3 gx=$4 gy=$5 y cell cx cy code row
  shift 5
  {
    for ((y = 1; y <= 100; y++)); do
      row=$(printf '%100s' '')
      for cell in "$@"; do
        IFS=: read -r cx cy code <<<"$cell"
        [ "$cy" -eq "$y" ] && row="${row:0:cx-1}$(printf "$code")${row:cx}"
      done
      printf '%s\r\n' "$row"
    done
    printf ' %d \r\n %d \r\n %d \r\n %d \r\n' "$sx" "$sy" "$gx" "$gy"
  } >"$file"
}

# The wall cells around a room: x1 y1 x2 y2 are its inside corners.
room() {
  local x y
  for ((x = $1 - 1; x <= $3 + 1; x++)); do echo "$x:$(($2 - 1)):#" "$x:$(($4 + 1)):#"; done
  for ((y = $2; y <= $4; y++)); do echo "$(($1 - 1)):$y:#" "$(($3 + 1)):$y:#"; done
}

# Each maze is a small walled room, so a random walk finds its goal now and
# then and the menu comes back: maze 1 a 5 x 5 room, maze 2 a room behind
# two doors with their keys (key 1 is byte 220, door 1 byte 200), maze 3 a
# room in the far corner, by the edges. Sixty entries keep the menu's quit
# entry, and with it the end of the game, out of a random walk's reach.
write_maze "$folder/1.maz" 50 50 52 52 $(room 48 48 52 52)
write_maze "$folder/2.maz" 2 2 6 2 $(room 2 2 6 4) '2:4:\334' '3:3:\310' '4:2:\311' \
  '3:2:#' '4:3:#' '6:4:\335'
write_maze "$folder/3.maz" 100 100 96 96 $(room 96 96 100 100 | tr ' ' '\n' | grep -v -e '^101:' -e ':101:')
for ((n = 4; n <= 60; n++)); do cp "$folder/$(((n - 1) % 3 + 1)).maz" "$folder/$n.maz"; done

pick() { local items=("$@"); echo "${items[RANDOM % ${#items[@]}]}"; }
modifier() {  # nothing mostly, sometimes Shift, Ctrl or Alt
  case $((RANDOM % 8)) in
    0) echo "shift+" ;; 1) echo "ctrl+" ;; 2) echo "alt+" ;; *) echo "" ;;
  esac
}
pause() { sleep "$(printf '0.%03d' $((RANDOM % ${1:-40})))"; }

# The keys each program hears; arrows most. Neither Esc nor End for the
# game, whose menu would take them as quitting; no N for the editor, whose
# questions would take it as No.
game_keys=(Left Right Up Down Left Right Up Down Left Right Up Down
  Return Return space w Home Delete Tab F2 a s 1 BackSpace Page_Down)
editor_keys=(Left Right Up Down Left Right Up Down Left Right Up Down
  space space Delete s w d k i f c Escape Home End Return Tab F3 x 7)

alive() {  # alive <pid> <what>
  kill -0 "$1" 2>/dev/null && return 0
  tail -n 20 "$E2E_TMP"/*.err >&2 || true
  e2e_fail "the program ended during the storm: $2"
}

# Fails unless the count has grown since the last look, 15 s ago: the
# program is not merely alive but still doing what the keys ask.
last_count=-1
next_look=0
still_working() {  # still_working <count> <what>
  [ $SECONDS -lt $next_look ] && return 0
  [ "$1" -gt "$last_count" ] || e2e_fail "no $2 in the last 15 s: the program stopped responding"
  last_count=$1
  next_look=$((SECONDS + 15))
}

e2e_log "the game: $seconds s of random keys"
# The game writes every clip it starts, one a line.
export TARNWICK_TRACE=1
e2e_start "$folder" tarnwick "$E2E_TMP/tarnwick.raw"
unset TARNWICK_TRACE
e2e_wait_window Tarnwick >/dev/null
presses=0
next_look=$((SECONDS + 15))
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  still_working "$(wc -l <"$E2E_TMP/tarnwick.out")" "clip started"
  key=$(pick "${game_keys[@]}")
  if [ $((RANDOM % 25)) -eq 0 ]; then
    # Held long enough for the key to repeat.
    xdotool keydown "$key"
    sleep 0.$((RANDOM % 5 + 3))
    xdotool keyup "$key"
  else
    xdotool key --clearmodifiers "$(modifier)$key"
  fi
  presses=$((presses + 1))
  alive "$E2E_PID" "after $presses key presses"
  pause 40
done
steps=$(grep -c '^step at column' "$E2E_TMP/tarnwick.out" || true)
wins=$(grep -c '^winMaze$' "$E2E_TMP/tarnwick.out" || true)
e2e_log "the game took $presses key presses: $steps steps, $wins mazes won; now a close request"
[ "$steps" -gt 0 ] || e2e_fail "the game never stepped"
e2e_close Tarnwick
e2e_wait_status "$E2E_PID" 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the game ended with status $E2E_STATUS"

e2e_log "the editor: $seconds s of random keys, its dialogs answered"
e2e_start "$folder" loomsel "$E2E_TMP/loomsel.raw"
e2e_wait_title_count Loomsel 2
main=""
presses=0
answers=0
captions=()
last_caption=""
# A dialog's answer: a number or something that is not one, then Return,
# which is Yes in a question and OK in a message.
answer_dialog() {
  local text
  text=$(pick 3 17 5 abc 0 25 -4 2.5 "" y 12)
  [ -n "$text" ] && xdotool type --delay 20 -- "$text"
  xdotool key Return
  answers=$((answers + 1))
}
last_count=-1
next_look=$((SECONDS + 15))
moves=0
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  still_working "$moves" "cursor move"
  active=$(xdotool getactivewindow 2>/dev/null || true)
  name=$(xdotool getwindowname "$active" 2>/dev/null || true)
  if [[ $name == Location:* ]]; then
    main=$active
    [ "$name" != "$last_caption" ] && moves=$((moves + 1))
    last_caption=$name
    captions+=("$name")
    key=$(pick "${editor_keys[@]}")
    xdotool key --clearmodifiers "$(modifier)$key"
    presses=$((presses + 1))
    # Keys that may open a dialog: let it come up before looking again.
    case $key in Escape | d | k | i | c | f) sleep 0.3 ;; esac
  elif [ -n "$active" ] && [ "$active" != "$main" ] && [ "$name" = Loomsel ]; then
    answer_dialog
    sleep 0.2
  else
    sleep 0.05
  fi
  alive "$E2E_PID" "after $presses key presses and $answers answers"
  pause 30
done
distinct=$(printf '%s\n' "${captions[@]}" | sort -u | wc -l)
e2e_log "the editor took $presses key presses and $answers dialog answers;" \
  "its caption showed $distinct cursor positions"
[ "$distinct" -gt 5 ] || e2e_fail "the cursor hardly moved: the editor did not take the keys"

e2e_log "leaving the editor: set a start and goal, Esc, No to saving, No to another maze"
deadline=$((SECONDS + 40))
while kill -0 "$E2E_PID" 2>/dev/null; do
  [ $SECONDS -lt $deadline ] || e2e_fail "the editor could not be left"
  active=$(xdotool getactivewindow 2>/dev/null || true)
  name=$(xdotool getwindowname "$active" 2>/dev/null || true)
  if [[ $name == Location:* ]]; then
    main=$active
    e2e_keys Delete s Right Delete w Escape
    sleep 0.5
  elif [ -n "$active" ] && [ "$active" != "$main" ] && [ "$name" = Loomsel ]; then
    # No in a question; a message or a prompt stays, and gets OK or a number.
    xdotool key n
    sleep 0.5
    if [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$active" ]; then
      xdotool key BackSpace 5 Return
      sleep 0.5
    fi
  else
    sleep 0.2
  fi
done
e2e_wait_status "$E2E_PID" 5
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the editor ended with status $E2E_STATUS"
e2e_log "both programs stood their storms and ended when asked"
