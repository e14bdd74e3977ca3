#!/bin/sh
# Runs the maze reader's fuzzer on a copy of the seed corpus in a temporary
# folder, so nothing is written into the source tree.
#
# Usage: run-fuzz.sh BUILD_DIR LIMIT
#   BUILD_DIR  a build configured with CC=clang CXX=clang++ -DTARNWICK_FUZZ=ON
#   LIMIT      seconds ("60" or "60s") or a number of inputs ("5000runs")
#
# Exits 0 when the fuzzer found nothing, 1 on any finding (the temporary
# folder with the input that caused it is kept and named), 2 on bad usage.
set -eu
[ $# -eq 2 ] || { echo "usage: run-fuzz.sh BUILD_DIR SECONDS|SECONDSs|RUNSruns" >&2; exit 2; }
fuzzer=$1/tests/fuzz/maze_fuzz
[ -x "$fuzzer" ] || { echo "run-fuzz.sh: no fuzzer at $fuzzer; build the target maze_fuzz" >&2; exit 2; }
case $2 in
  *runs) option=-runs=${2%runs} ;;
  *) option=-max_total_time=${2%s} ;;
esac
fuzzer=$(cd "$(dirname "$fuzzer")" && pwd)/maze_fuzz
work=$(mktemp -d "${TMPDIR:-/tmp}/maze-fuzz.XXXXXX")
cp -r "$(dirname "$0")/corpus" "$work/corpus"
status=0
(cd "$work" && "$fuzzer" "$option" -max_len=16384 -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$work/" corpus) >"$work/fuzz.log" 2>&1 || status=$?
if [ "$status" -ne 0 ] || ls "$work" | grep -q -E '^(crash|leak|timeout|oom)-'; then
  tail -n 40 "$work/fuzz.log" >&2
  echo "run-fuzz.sh: FAILED (exit $status); log and inputs kept in $work" >&2
  exit 1
fi
echo "run-fuzz.sh: $(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz.log") inputs, no findings"
rm -rf "$work"
