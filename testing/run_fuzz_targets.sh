#!/usr/bin/env bash
# Runs the libFuzzer targets of a fuzz build one after the other, each for the
# given number of seconds, at the lowest priority:
#   testing/run_fuzz_targets.sh BUILD SECONDS [TARGET...]
# Each target starts from its committed corpus and keeps what it finds in
# BUILD/fuzz-corpus/TARGET (the committed corpus is not changed); a crash or a
# broken invariant leaves its input in BUILD/fuzz-artifacts and fails the run.
# The last lines of each log give the inputs executed.
set -uo pipefail
build=${1:?usage: run_fuzz_targets.sh BUILD SECONDS [TARGET...]}
seconds=${2:?usage: run_fuzz_targets.sh BUILD SECONDS [TARGET...]}
shift 2
list="$build/fuzz_targets.txt"
[ -f "$list" ] || { echo "no $list: configure with -DTARVANA_FUZZ=ON" >&2; exit 2; }
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-logs"
failed=0
while read -r name exe corpus dict; do
  [ -n "$name" ] || continue
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  work="$build/fuzz-corpus/$name"
  mkdir -p "$work"
  log="$build/fuzz-logs/$name.log"
  echo "== $name for ${seconds}s (log: $log)"
  nice -n 19 "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$name-" \
    ${dict:+-dict="$dict"} "$work" "$corpus" >"$log" 2>&1
  status=$?
  grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$log" | tail -2
  if [ $status -ne 0 ]; then
    echo "!! $name failed (status $status); see $log and $build/fuzz-artifacts"
    failed=1
  fi
done <"$list"
exit $failed
