# Shared helpers for the end-to-end tests. Source it, then call e2e_setup.
# Each test gets its own virtual display, window manager and temporary
# program folder; e2e_cleanup (run on exit) removes them.

set -euo pipefail

E2E_PROGRAM_DIR=${1:?usage: $0 <program-folder>}
E2E_FIXTURES=$(cd "$(dirname "${BASH_SOURCE[0]}")/../fixtures" && pwd)
E2E_TMP=$(mktemp -d /tmp/tarnwick-e2e.XXXXXX)
E2E_PIDS=()

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }
e2e_log() { echo "-- $*"; }

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}

# Xvfb on a free display and a small window manager (which turns `wmctrl -c`
# into a real close request); programs on X with SDL's disk audio driver.
e2e_setup() {
  trap e2e_cleanup EXIT
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_PIDS+=($!)
    export DISPLAY=":$n"
    e2e_until 5 xdpyinfo || continue
    matchbox-window-manager -use_titlebar no >"$E2E_TMP/wm.log" 2>&1 &
    E2E_PIDS+=($!)
    sleep 0.3
    export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=disk
    unset SDL_DISKAUDIODELAY
    return 0
  done
  e2e_fail "no free X display"
}

# e2e_until <seconds> <command...>: true once the command succeeds.
e2e_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# A program folder with the built programs and clips, but no mazes.
e2e_program_folder() {
  local folder="$E2E_TMP/program"
  mkdir -p "$folder"
  cp "$E2E_PROGRAM_DIR"/*.wav "$E2E_PROGRAM_DIR"/tarnwick "$E2E_PROGRAM_DIR"/loomsel "$folder"/
  echo "$folder"
}

# Starts a program with its audio recorded to a raw file (44.1 kHz, stereo,
# signed 16-bit). Sets E2E_PID.
e2e_start() {  # e2e_start <folder> <program> <audio-file>
  SDL_DISKAUDIOFILE="$3" "$1/$2" >"$E2E_TMP/$2.out" 2>"$E2E_TMP/$2.err" &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
}

e2e_title_is() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
# Waits until the window with the keyboard focus carries the exact title.
e2e_wait_active() {
  e2e_until 15 e2e_title_is "$1" ||
    e2e_fail "expected the focus on '$1', it is on '$(xdotool getactivewindow getwindowname)'"
}

# e2e_busy <seconds>: keeps every core busy, with many short tasks switching
# as a build and a browser beside the program would; e2e_calm ends it early.
e2e_busy() {
  stress-ng --cpu "$(nproc)" --switch 1 --timeout "$1" --quiet &
  E2E_BUSY=$!
  E2E_PIDS+=("$E2E_BUSY")
}
e2e_calm() {
  kill -INT "$E2E_BUSY" 2>/dev/null || true
  wait "$E2E_BUSY" 2>/dev/null || true
}

e2e_keys() {  # e2e_keys <xdotool key name>...
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.15
  done
}

# A real close request (WM_DELETE_WINDOW) through the window manager.
e2e_close() { wmctrl -c "$1"; }

# Waits for the program to end; sets E2E_STATUS to its exit status.
e2e_wait_status() {  # e2e_wait_status <pid> [seconds]
  e2e_until "${2:-15}" eval "! kill -0 $1" || e2e_fail "process $1 still running"
  E2E_STATUS=0
  wait "$1" 2>/dev/null || E2E_STATUS=$?
}

e2e_audio_seconds() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.2f\n", b / 176400 }'; }

# True once the raw recording holds more than <seconds> of audio.
e2e_recorded() { [ "$(stat -c %s "$1")" -gt "$(awk -v s="$2" 'BEGIN { printf "%d", s * 176400 }')" ]; }

# e2e_heard <raw-file> <from> <hz> <what> [after]: fails unless the next
# sound after <from> seconds comes within half a second, at that pitch
# (taken <after> seconds into it, default 0.02, over E2E_PITCH_SPAN seconds,
# default 0.1, within E2E_PITCH_TOLERANCE, default 0.05 of it); sets E2E_AT
# to its start.
e2e_heard() {
  local raw=$1 from at hz snap=$E2E_TMP/heard.raw sox=(sox -t raw -r 44100 -e signed -b 16 -c 2)
  # A mark before the recording's start is its start: sox reads a negative
  # position as one counted back from the end.
  from=$(awk -v f="$2" 'BEGIN { print (f > 0 ? f : 0) }')
  e2e_until 15 e2e_recorded "$raw" "$(awk -v f="$from" 'BEGIN { print f + 0.7 }')" ||
    e2e_fail "$4: the recording stopped"
  head -c "$(stat -c %s "$raw")" "$raw" >"$snap"
  at=$("${sox[@]}" "$snap" -t raw - trim "$from" silence 1 0.005 1% | wc -c |
    awk -v t="$(stat -c %s "$snap")" -v f="$from" '{ printf "%.3f", f + (t - f * 176400 - $1) / 176400 }')
  hz=$("${sox[@]}" "$snap" -n trim "$(awk -v a="$at" -v o="${5:-0.02}" 'BEGIN { print a + o }')" \
    "${E2E_PITCH_SPAN:-0.1}" \
    remix 1,2 stat 2>&1 | awk '/Rough +frequency/ {print $3}')
  e2e_log "$4: ${hz:-nothing} Hz at $at s (expected $3 Hz soon after $from s)"
  awk -v a="$at" -v f="$from" -v h="${hz:-0}" -v e="$3" -v t="${E2E_PITCH_TOLERANCE:-0.05}" \
    'BEGIN { exit !(a - f < 0.5 && h > e * (1 - t) && h < e * (1 + t)) }' || e2e_fail "$4 was not heard"
  E2E_AT=$at
}

# e2e_key_heard <raw-file> <key> <hz> <what> [after]: presses the key, then
# e2e_heard from that moment.
e2e_key_heard() {
  local mark
  mark=$(e2e_audio_seconds "$1")
  e2e_keys "$2"
  e2e_heard "$1" "$mark" "${@:3}"
}

# A sine tone as a clip: 22050 Hz, mono, 16-bit.
e2e_tone() { sox -n -r 22050 -c 1 -b 16 "$1" synth "$2" sine "$3" gain -6; }
