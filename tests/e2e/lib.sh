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
