#!/usr/bin/env bash
# Key storms on the real programs: random key presses from xdotool on a
# virtual display (TARNWICK_STORM_SECONDS each, default 15), the editor's
# dialogs answered as they come up (never No to "Edit another maze?"), then
# a clean close. Each program must keep responding throughout and end,
# with status 0, when asked.
source "$(dirname "$0")/lib.sh"
e2e_setup
export LC_ALL=C
seconds=${TARNWICK_STORM_SECONDS:-15}
RANDOM=${TARNWICK_STORM_SEED:-1803}
folder=$(e2e_program_folder)
# Small walled rooms, one behind two doors; sixty entries keep the menu's
# quit entry out of a random walk's reach.
for ((n = 1; n <= 60; n++)); do cp "$E2E_FIXTURES/storm-$(((n - 1) % 3 + 1)).maz" "$folder/$n.maz"; done

pick() { local items=("$@"); echo "${items[RANDOM % ${#items[@]}]}"; }
modifier() { pick "" "" "" "" "" shift+ ctrl+ alt+; }
alive() { kill -0 "$E2E_PID" 2>/dev/null || { tail -n 20 "$E2E_TMP"/*.err >&2; e2e_fail "$1 ended during the storm"; }; }

# Neither Esc nor End for the game, whose menu takes them as quitting; no N
# for the editor, whose questions take it as No.
game_keys=(Left Right Up Down Left Right Up Down Return space w Home Delete Tab F2 a 1 BackSpace)
editor_keys=(Left Right Up Down Left Right Up Down Left Right Up Down space Delete s w d k i f c Escape Home Return Tab x 7)

e2e_log "the game: $seconds s of random keys"
TARNWICK_TRACE=1 e2e_start "$folder" tarnwick "$E2E_TMP/tarnwick.raw"
e2e_wait_active Tarnwick
# The storm starts in maze 1, once the intro is over.
e2e_until 30 grep -q -x 1 "$E2E_TMP/tarnwick.out" || e2e_fail "the menu never spoke"
xdotool key Return
e2e_until 10 grep -q -x go "$E2E_TMP/tarnwick.out" || e2e_fail "maze 1 did not start"
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  key=$(pick "${game_keys[@]}")
  if [ $((RANDOM % 25)) -eq 0 ]; then
    xdotool keydown "$key" sleep 0.$((RANDOM % 5 + 3)) keyup "$key"  # held: it repeats
  else
    xdotool key --clearmodifiers "$(modifier)$key"
  fi
  alive tarnwick
  sleep "0.0$((RANDOM % 4))"
done
steps=$(grep -c '^step at column' "$E2E_TMP/tarnwick.out" || true)
e2e_log "the game stepped $steps times; now a close request"
[ "$steps" -gt 0 ] || e2e_fail "the game never stepped"
e2e_close Tarnwick
e2e_wait_status "$E2E_PID" 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the game ended with status $E2E_STATUS"

e2e_log "the editor: $seconds s of random keys, its dialogs answered"
e2e_start "$folder" loomsel "$E2E_TMP/loomsel.raw"
captions=()
main=""
focus() { active=$(xdotool getactivewindow 2>/dev/null || true); name=$(xdotool getwindowname "$active" 2>/dev/null || true); }
# A dialog: the focus on a window titled Loomsel other than the main one
# (whose caption reads Loomsel too while the save questions are up).
in_dialog() { [ -n "$active" ] && [ "$active" != "$main" ] && [ "$name" = Loomsel ]; }
# The storm starts once a maze is open.
e2e_wait_active Loomsel
sleep 0.5
xdotool type 1
xdotool key Return
sleep 0.5
xdotool key Return  # "That maze already exists..."
e2e_wait_active "Location: 1, 1 - Loomsel"
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  focus
  if [[ $name == Location:* ]]; then
    main=$active
    captions+=("$name")
    key=$(pick "${editor_keys[@]}")
    xdotool key --clearmodifiers "$(modifier)$key"
    case $key in Escape | d | k | i | c | f) sleep 0.3 ;; esac
  elif in_dialog; then
    # A number or something that is not one, then Return: Yes to a question.
    text=$(pick 3 17 5 abc 0 25 -4 2.5 "" y 12)
    [ -z "$text" ] || xdotool type --clearmodifiers --delay 20 -- "$text"
    xdotool key --clearmodifiers Return
    sleep 0.2
  else
    sleep 0.05
  fi
  alive loomsel
done
moves=$(printf '%s\n' "${captions[@]}" | uniq | wc -l)
e2e_log "the editor's caption changed $moves times"
[ "$moves" -gt 3 ] || e2e_fail "the cursor hardly moved: the editor did not take the keys"
# Leaving: a start and a goal, Esc, then No to every question.
deadline=$((SECONDS + 40))
while kill -0 "$E2E_PID" 2>/dev/null; do
  [ $SECONDS -lt $deadline ] || e2e_fail "the editor could not be left (the focus on '$name')"
  focus
  if [[ $name == Location:* ]]; then
    main=$active
    e2e_keys Delete s Right Delete w Escape
    sleep 0.5
  elif in_dialog; then
    # No in a question; a message or a prompt stays, and gets OK or a number.
    was=$active
    xdotool key --clearmodifiers n
    sleep 0.5
    focus
    [ "$active" = "$was" ] && xdotool key --clearmodifiers BackSpace 5 Return && sleep 0.5
  else
    sleep 0.2
  fi
done
e2e_wait_status "$E2E_PID" 5
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the editor ended with status $E2E_STATUS"
e2e_log "both programs stood their storms and ended when asked"
