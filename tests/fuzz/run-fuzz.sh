#!/bin/sh
# Runs the maze reader's fuzzer on a copy of the seed corpus in a temporary
# folder, so nothing is written into the source tree.
#
# Usage: run-fuzz.sh BUILD_DIR LIMIT
#   BUILD_DIR  a build configured with CC=clang CXX=clang++ -DTARNWICK_FUZZ=ON
#              in which the target maze_fuzz is built
#   LIMIT      seconds ("60" or "60s") or a number of inputs ("5000runs")
#
# Exits 0 when the fuzzer found nothing, 1 on any finding (crash, leak,
# timeout, out of memory; the temporary folder with the input that caused
# it is kept and named), 2 on bad usage.
set -eu

usage() {
  echo "usage: run-fuzz.sh BUILD_DIR SECONDS|SECONDSs|RUNSruns" >&2
  exit 2
}

[ $# -eq 2 ] || usage
limit=$2
here=$(cd "$(dirname "$0")" && pwd)
if ! build=$(cd "$1" 2>/dev/null && pwd); then
  echo "run-fuzz.sh: no build folder $1" >&2
  exit 2
fi
fuzzer=$build/tests/fuzz/maze_fuzz

case $limit in
  *runs) count=${limit%runs}; option=-runs ;;
  *s) count=${limit%s}; option=-max_total_time ;;
  *) count=$limit; option=-max_total_time ;;
esac
case $count in
  '' | *[!0-9]*) usage ;;
esac

if [ ! -x "$fuzzer" ]; then
  echo "run-fuzz.sh: no fuzzer at $fuzzer" >&2
  echo "build it with: CC=clang CXX=clang++ cmake -S . -B $build -DTARNWICK_FUZZ=ON &&" \
    "cmake --build $build --target maze_fuzz" >&2
  exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/maze-fuzz.XXXXXX")
mkdir "$work/corpus"
cp "$here"/corpus/* "$work/corpus/"

status=0
(cd "$work" && "$fuzzer" "$option=$count" -max_len=16384 -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work/corpus") >"$work/fuzz.log" 2>&1 || status=$?

executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log")
coverage=$(grep -o 'cov: [0-9]*' "$work/fuzz.log" | tail -n 1 | sed 's/cov: //')
findings=$(find "$work" -maxdepth 1 -type f \
  \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)

if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
  tail -n 40 "$work/fuzz.log" >&2
  echo "run-fuzz.sh: FAILED after ${executed:-?} inputs (exit $status, $findings finding(s));" \
    "log and inputs kept in $work" >&2
  exit 1
fi

echo "run-fuzz.sh: ${executed:-?} inputs, ${coverage:-?} coverage points, no findings"
rm -rf "$work"
