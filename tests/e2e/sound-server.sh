# Source it: sound_server <folder> starts PulseAudio with a null sink, its
# socket in the folder, for this shell and its children (PULSE_SERVER), so
# that sound plays with no sound card: speech-dispatcher's voice, and Firefox,
# whose Web Audio clock stands still without an output. It ends with the
# shell's process group, or with `kill $SOUND_SERVER_PID`.
sound_server() {
  HOME=$1 XDG_RUNTIME_DIR=$1 pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no -L module-null-sink \
    -L "module-native-protocol-unix socket=$1/pulse.sock auth-anonymous=1" >"$1/pulse.log" 2>&1 &
  SOUND_SERVER_PID=$!
  export PULSE_SERVER=unix:$1/pulse.sock
  local tries=50
  until [ -S "$1/pulse.sock" ]; do
    [ $((tries -= 1)) -gt 0 ] || { echo "pulseaudio did not start" >&2; return 1; }
    sleep 0.1
  done
}
