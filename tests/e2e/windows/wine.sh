# Shared helpers for the Windows edition's end-to-end tests under wine on a
# virtual display. Source it with <program-folder> <test-programs-folder>
# <wine-prefix>, then call wine_setup. Sound goes through wine's PulseAudio
# driver into a null sink of a sound server of the test's own, whose
# monitor is recorded; dialogs are read through the standard window
# functions by dialogtext.exe, as a screen reader reads them.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
WINE_TESTS_BIN=$(realpath "${2:?usage: $0 <program-folder> <test-programs-folder> <wine-prefix>}")
WINEPREFIX=$(realpath "${3:?usage: $0 <program-folder> <test-programs-folder> <wine-prefix>}")
export WINEPREFIX
export WINEDEBUG=-all
# Wine's stream may stall for a moment on a busy machine: pitches are taken
# over longer stretches, with more room.
export E2E_PITCH_SPAN=0.2 E2E_PITCH_TOLERANCE=0.08

wine_setup() {
  e2e_setup
  trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
  local pulse=$E2E_TMP/pulse
  mkdir -p "$pulse"
  export PULSE_RUNTIME_PATH=$pulse PULSE_SERVER=unix:$pulse/socket
  HOME=$pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=recorded rate=44100 channels=2" \
    --load="module-native-protocol-unix socket=$pulse/socket auth-anonymous=1" \
    >"$E2E_TMP/pulse.log" 2>&1 &
  E2E_PIDS+=($!)
  e2e_until 10 pactl info || e2e_fail "the sound server did not start"
}

# A program folder with the Windows programs and clips, but no mazes.
wine_program_folder() {
  # Spaces and a letter beyond ASCII in its name, as a player's folder may have.
  local folder="$E2E_TMP/Spiele von Zoë"
  mkdir -p "$folder"
  cp "$E2E_PROGRAM_DIR"/*.wav "$E2E_PROGRAM_DIR"/tarnwick.exe "$E2E_PROGRAM_DIR"/loomsel.exe "$folder"/
  echo "$folder"
}

# Records the null sink to a raw file (44.1 kHz, stereo, signed 16-bit), then
# starts the program from another folder: it must find its files beside
# itself. Sets E2E_PID. The recording's first bytes come up to two seconds
# after parec starts; what plays before then is never recorded, so the
# program starts only once they have come.
wine_start() {  # wine_start <folder> <program> <audio-file>
  parec -d recorded.monitor --latency-msec=10 --format=s16le --rate=44100 --channels=2 --raw \
    >"$3" 2>"$E2E_TMP/parec.log" &
  E2E_PIDS+=($!)
  e2e_until 10 e2e_recorded "$3" 0 || e2e_fail "the recording did not start"
  (cd "$E2E_TMP" && exec wine "$1/$2.exe") >"$E2E_TMP/$2.out" 2>"$E2E_TMP/$2.err" &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
}

# The open dialogs' texts: "dialog: <title>", then "<class>: <text>" a line.
wine_dialogs() { wine "$WINE_TESTS_BIN/dialogtext.exe" 2>/dev/null | tr -d '\r'; }
wine_dialog_shows() { wine_dialogs | grep -qxF -- "$1"; }
# Waits until an open dialog holds the line, e.g. "Static: Edit another maze?".
wine_wait_dialog() {
  e2e_until 15 wine_dialog_shows "$1" ||
    e2e_fail "no dialog shows '$1'; the dialogs are: $(wine_dialogs | tr '\n' '|')"
}

# The window with this exact title gets the keyboard.
wine_focus() {
  e2e_until 15 xdotool search --name "^$1\$" ||
    { cat "$E2E_TMP"/*.err "$E2E_TMP/pulse.log" >&2; e2e_fail "no window is titled '$1'"; }
  xdotool search --name "^$1\$" windowactivate --sync 2>/dev/null || true
  sleep 0.2
}

# e2e_heard's recording as the right/left ratio of the sound at <at>
# seconds, over <length> seconds.
wine_right_over_left() {  # <raw-file> <at> <length>
  local sox=(sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n trim "$2" "$3" remix)
  local left right
  left=$("${sox[@]}" 1 stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
  right=$("${sox[@]}" 2 stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
  awk -v l="$left" -v r="$right" 'BEGIN { printf "%.3f\n", (l > 0 ? r / l : 0) }'
}

# The start, in seconds, of the first sound after <from> seconds, once
# <wait> seconds have been recorded after <from>.
wine_onset() {  # wine_onset <raw-file> <from> <wait>
  e2e_until 20 e2e_recorded "$1" "$(awk -v f="$2" -v w="$3" 'BEGIN { print f + w }')" ||
    e2e_fail "the recording stopped"
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -t raw - trim "$2" silence 1 0.005 1% | wc -c |
    awk -v t="$(stat -c %s "$1")" -v f="$2" '{ printf "%.3f", f + (t - f * 176400 - $1) / 176400 }'
}
