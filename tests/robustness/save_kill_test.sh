#!/usr/bin/env bash
# Kills a process that saves a maze in a loop (the editor's save, two mazes
# in turn) at random moments, again and again. After every kill the maze
# file must be exactly the old maze or exactly the new one, and nothing but
# the one temporary file of an interrupted save may lie beside it; the next
# save removes that too. First, strace checks that a save syncs its file
# before the rename and the folder after it.
#
# Usage: save_kill_test.sh <maze_save_loop> [kills]
set -euo pipefail

helper=${1:?usage: save_kill_test.sh <maze_save_loop> [kills]}
kills=${2:-120}
seed=${TARNWICK_KILL_SEED:-4711}
RANDOM=$seed
dir=$(mktemp -d /tmp/tarnwick-savekill.XXXXXX)
trap 'rm -rf "$dir"' EXIT
fail() {
  echo "FAIL (seed $seed, kill ${i:-after}): $*" >&2
  ls -la "$dir" >&2
  exit 1
}

"$helper" "$dir" references
"$helper" "$dir" once

# A power cut is survived only if the new bytes reach the disk before the
# rename, and the rename before the save reports success: the system calls of
# one save, in order, as strace sees them.
if strace -o /dev/null true 2>/dev/null; then
  # The leak checker of the sanitizer builds cannot run under a tracer.
  ASAN_OPTIONS=detect_leaks=0 strace -o "$dir/trace" -e trace=openat,write,fsync,fdatasync,close,rename,renameat,renameat2 \
    "$helper" "$dir" once
  # One word a call: the call's name and what it worked on.
  order=$(awk '
    function call() { return substr($0, 1, index($0, "(") - 1) }
    function on(fd) {
      return fd != "" && (index($0, "(" fd ",") || index($0, "(" fd ")")) &&
             substr($0, length(call()) + 2, length(fd)) == fd
    }
    /\.1\.maz\.saving", O_WRONLY/ { temp = $NF; print "open-temp"; next }
    /^rename.*\.1\.maz\.saving/ { renamed = 1; print "rename"; next }
    renamed && /O_DIRECTORY/ { folder = $NF; print "open-folder"; next }
    on(temp) { print call() "-temp"; if (call() == "close") temp = "" }
    on(folder) { print call() "-folder"; if (call() == "close") folder = "" }
  ' "$dir/trace" | uniq | tr '\n' ' ')
  rm -f "$dir/trace"
  echo "save sync: $order"
  [ "$order" = "open-temp write-temp fsync-temp close-temp rename open-folder fsync-folder close-folder " ] ||
    fail "a save does not sync its file before the rename and the folder after it"
else
  echo "save sync: not checked, strace cannot trace processes here"
fi
old=0 new=0 interrupted=0
for i in $(seq 1 "$kills"); do
  "$helper" "$dir" loop &
  pid=$!
  sleep "$(printf '0.%03d' $((RANDOM % 60 + 5)))"  # 5 to 64 ms: into its saves
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  if cmp -s "$dir/1.maz" "$dir/old.ref"; then old=$((old + 1))
  elif cmp -s "$dir/1.maz" "$dir/new.ref"; then new=$((new + 1))
  else fail "1.maz is neither the old maze nor the new one"; fi
  extra=$(ls -A "$dir" | grep -v -x -e 1.maz -e old.ref -e new.ref -e .1.maz.saving || true)
  [ -z "$extra" ] || fail "stray files: $extra"
  [ ! -e "$dir/.1.maz.saving" ] || interrupted=$((interrupted + 1))
done
unset i

"$helper" "$dir" once
cmp -s "$dir/1.maz" "$dir/old.ref" || fail "the save after the kills did not write the maze"
[ ! -e "$dir/.1.maz.saving" ] || fail "the save after the kills left its temporary file"
echo "save kill: $kills kills (seed $seed): $old left the old maze, $new the new one;" \
  "$interrupted cut a save short"
# The kills must have landed both between saves and inside them.
[ "$old" -gt 0 ] && [ "$new" -gt 0 ] || fail "the kills never found one of the two mazes"
[ "$interrupted" -gt 0 ] || fail "no kill landed inside a save"
