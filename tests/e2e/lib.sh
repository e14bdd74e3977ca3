# Shared helpers for the end-to-end tests. Source it, then call e2e_setup.
# Each test gets its own virtual display, window manager and temporary
# program folder; e2e_cleanup (run on exit) removes them.

set -euo pipefail

E2E_PROGRAM_DIR=${1:?usage: $0 <program-folder>}
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

# Starts Xvfb on a free display and a small window manager (which turns
# `wmctrl -c` into a real close request).
e2e_start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_PIDS+=($!)
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    xdpyinfo >/dev/null 2>&1 || continue
    matchbox-window-manager -use_titlebar no >"$E2E_TMP/wm.log" 2>&1 &
    E2E_PIDS+=($!)
    sleep 0.3
    return 0
  done
  e2e_fail "no free X display"
}

e2e_setup() {
  trap e2e_cleanup EXIT
  e2e_start_display
  export QT_QPA_PLATFORM=xcb
  export SDL_AUDIODRIVER=disk
  unset SDL_DISKAUDIODELAY
}

# A program folder with the built programs and clips, but no mazes.
e2e_program_folder() {
  local folder="$E2E_TMP/program"
  mkdir -p "$folder"
  cp "$E2E_PROGRAM_DIR"/*.wav "$folder"/
  local program
  for program in tarnwick loomsel; do
    [ -x "$E2E_PROGRAM_DIR/$program" ] && cp "$E2E_PROGRAM_DIR/$program" "$folder"/
  done
  echo "$folder"
}

# Starts a program with its audio recorded to a raw file (44.1 kHz, stereo,
# signed 16-bit). Sets E2E_PID.
e2e_start() {  # e2e_start <folder> <program> <audio-file>
  SDL_DISKAUDIOFILE="$3" "$1/$2" >"$E2E_TMP/$2.out" 2>"$E2E_TMP/$2.err" &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
}

# Waits until a window with the exact title exists; prints its id.
e2e_wait_window() {  # e2e_wait_window <title> [seconds]
  local deadline=$((SECONDS + ${2:-15})) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  e2e_fail "no window titled '$1'"
}

# Key presses to the focused window: e2e_keys <key>... (xdotool key names).
e2e_keys() {
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.15
  done
}

e2e_type() { xdotool type --delay 60 "$1"; }

# A real close request (WM_DELETE_WINDOW) through the window manager.
e2e_close() { wmctrl -c "$1"; }

# Waits for a process to end; fails after the timeout.
e2e_wait_exit() {  # e2e_wait_exit <pid> [seconds]
  local deadline=$((SECONDS + ${2:-15}))
  while kill -0 "$1" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || e2e_fail "process $1 still running"
    sleep 0.1
  done
  wait "$1" 2>/dev/null || true
}

# Seconds of recorded audio in a raw disk-audio file.
e2e_audio_seconds() {
  local bytes
  bytes=$(stat -c %s "$1")
  awk -v b="$bytes" 'BEGIN { printf "%.2f\n", b / 176400 }'
}

# RMS level (0..1) of the raw recording between two times in seconds.
e2e_audio_rms() {  # e2e_audio_rms <raw-file> <from> <to>
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n trim "$2" "=$3" stat 2>&1 |
    awk '/RMS +amplitude/ {print $3}'
}

# Waits until exactly <count> visible windows carry the exact title (a
# program's window and its dialog may share one).
e2e_wait_title_count() {  # e2e_wait_title_count <title> <count> [seconds]
  local deadline=$((SECONDS + ${3:-15})) id n
  while [ $SECONDS -lt $deadline ]; do
    n=0
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null || true)" = "$1" ] && n=$((n + 1))
    done
    [ "$n" -eq "$2" ] && return 0
    sleep 0.1
  done
  e2e_fail "expected $2 window(s) titled '$1', saw $n"
}

# Waits until the window with the keyboard focus carries the exact title.
e2e_wait_active() {  # e2e_wait_active <title> [seconds]
  local deadline=$((SECONDS + ${2:-15})) name=""
  while [ $SECONDS -lt $deadline ]; do
    name=$(xdotool getactivewindow getwindowname 2>/dev/null || true)
    [ "$name" = "$1" ] && return 0
    sleep 0.1
  done
  e2e_fail "expected the focus on '$1', it is on '$name'"
}

# Waits for a process to end and sets E2E_STATUS to its exit status.
e2e_wait_status() {  # e2e_wait_status <pid> [seconds]
  local deadline=$((SECONDS + ${2:-15}))
  while kill -0 "$1" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || e2e_fail "process $1 still running"
    sleep 0.1
  done
  E2E_STATUS=0
  wait "$1" 2>/dev/null || E2E_STATUS=$?
}

# Fails unless the process is still running.
e2e_expect_running() {  # e2e_expect_running <pid> <what>
  kill -0 "$1" 2>/dev/null || e2e_fail "the program ended: $2"
}

# Waits until the raw recording holds at least <seconds> of audio.
e2e_wait_audio() {  # e2e_wait_audio <raw-file> <seconds> [timeout]
  local deadline=$((SECONDS + ${3:-30})) bytes
  bytes=$(awk -v s="$2" 'BEGIN { printf "%d\n", s * 176400 }')
  while [ "$(stat -c %s "$1" 2>/dev/null || echo 0)" -lt "$bytes" ]; do
    [ $SECONDS -lt $deadline ] || e2e_fail "the recording did not reach $2 s"
    sleep 0.05
  done
}

# The time in seconds of the first sound after <from> (louder than 1% of
# full scale for 5 ms); empty when all is silent after it.
e2e_audio_onset() {  # e2e_audio_onset <raw-file> <from>
  local total rest
  total=$(stat -c %s "$1")
  rest=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -t raw - trim "$2" silence 1 0.005 1% |
    wc -c)
  [ "$rest" -gt 0 ] || return 0
  awk -v t="$total" -v r="$rest" -v f="$2" \
    'BEGIN { printf "%.3f\n", f + ((t - f * 176400) - r) / 176400 }'
}

# The rough frequency in Hz of the recording between two times, both
# channels mixed.
e2e_audio_freq() {  # e2e_audio_freq <raw-file> <from> <to>
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n trim "$2" "=$3" remix 1,2 stat 2>&1 |
    awk '/Rough +frequency/ {print $3}'
}

# A sine tone as a clip: 22050 Hz, mono, 16-bit.
e2e_tone() {  # e2e_tone <wav-file> <seconds> <hz>
  sox -n -r 22050 -c 1 -b 16 "$1" synth "$2" sine "$3" gain -6
}
