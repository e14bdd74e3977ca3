#!/usr/bin/env bash
# Runs a command with Orca listening, headless: a virtual display with a
# window manager (Qt windows become active only under one), the
# accessibility bus, a sound server for speech-dispatcher (without one Orca
# blocks in its first speech call) and Orca on its default
# settings, less say-all on page load (it walks the caret to the page's end),
# key echo and braille. The command sees ORCA_LOG, Orca's debug log, where
# every "SPEECH OUTPUT:" line is something Orca spoke.
#
#   tests/e2e/screen-reader/session.sh <command...>
#
# Each session runs in its own process namespace, because Orca refuses to
# start while another process of the same user is named orca, and the
# namespace ends every process of the session with it.
set -euo pipefail
if [ -z "${ORCA_SESSION:-}" ]; then
  [ "$(id -u)" -eq 0 ] && as=() || as=(--map-root-user)
  exec env ORCA_SESSION=1 unshare "${as[@]}" --pid --fork --mount-proc --kill-child \
    dbus-run-session -- "$0" "$@"
fi

dir=$(mktemp -d /tmp/tarnwick-orca.XXXXXX)
trap 'rm -rf "$dir"' EXIT
export HOME=$dir/home XDG_RUNTIME_DIR=$dir/run XDG_CONFIG_HOME=$dir/home/.config
mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR" "$dir/orca"

until_there() {  # until_there <tenths of a second> <test...>
  local tries=$1
  shift
  until "$@"; do
    [ $((tries -= 1)) -gt 0 ] || return 1
    sleep 0.1
  done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
until_there 50 test -s "$dir/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$dir/display")
matchbox-window-manager -use_titlebar no >/dev/null 2>&1 &
source "$(dirname "$0")/../sound-server.sh"
sound_server "$dir"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 0.5
# Every toolkit exposes its accessibility tree to the bus.
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
export GNOME_ACCESSIBILITY=1 QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GTK_USE_PORTAL=0

cat >"$dir/orca/user-settings.conf" <<'JSON'
{"general": {"sayAllOnLoad": false, "pageSummaryOnLoad": false, "enableKeyEcho": false,
  "enableBraille": false},
 "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {}, "keybindings": {}}},
 "pronunciations": {}, "keybindings": {}}
JSON
# Orca writes its debug file in blocks; line by line, a test can wait on it.
printf 'import orca.debug as d\nif d.debugFile: d.debugFile.reconfigure(line_buffering=True)\n' \
  >"$dir/orca/orca-customizations.py"
export ORCA_LOG=$dir/orca.log
# The system Python has Orca's accessibility bindings.
/usr/bin/python3 /usr/bin/orca -u "$dir/orca" --debug-file="$ORCA_LOG" >"$dir/orca.out" 2>&1 &
until_there 600 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$ORCA_LOG" 2>/dev/null ||
  { echo "Orca did not start" >&2; cat "$dir/orca.out" >&2; exit 1; }

status=0
"$@" || status=$?
# ORCA_KEEP names a file to keep Orca's whole log in, to see what it did.
if [ -n "${ORCA_KEEP:-}" ]; then cp "$ORCA_LOG" "$ORCA_KEEP"; fi
exit $status
