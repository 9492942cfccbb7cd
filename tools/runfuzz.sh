#!/usr/bin/env bash
# Runs every fuzz target of the native lane for SECONDS each and prints its
# runs and coverage. Fails at the first finding (a crash, a sanitizer report
# or a broken contract), whose input is kept in findings/.
# Usage: runfuzz.sh SECONDS NATIVE_BUILD_DIR
set -euo pipefail
seconds=$1
dir=$2/fuzz
mkdir -p "$dir/corpus" "$dir/findings" "$dir/logs"
for fuzzer in "$dir"/fuzz_*; do
  name=${fuzzer##*/fuzz_}
  corpus=("$dir/corpus/$name")
  mkdir -p "${corpus[0]}"
  [ -d "$dir/seeds/$name" ] && corpus+=("$dir/seeds/$name")
  log=$dir/logs/$name.log
  # New inputs go to the first folder: the seeds stay as they are.
  if ! "$fuzzer" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$dir/findings/$name-" "${corpus[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz target $name: finding (log $log)" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
  printf '%-17s %10s runs in %ss, coverage %s edges, %s features\n' \
    "$name" "$runs" "$seconds" "$coverage" "$features"
done
