#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each, starting from the committed seeds and keeping
# what it finds in BUILD/fuzz-corpus. Exits non-zero on the first crash, leak, timeout or
# sanitizer report; the input that caused it is left in BUILD/fuzz-artifacts.
#   tests/fuzz/run-fuzzers.sh BUILD SECONDS [target...]
set -euo pipefail

build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(settings tga font layout keptbattle)

mkdir -p "$build/fuzz-artifacts"
for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds}s"
  # The seeds are read but never written: new inputs go to the build's own corpus.
  "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-" \
    "$corpus" "$here/corpus/$target" 2>"$build/fuzz-$target.log" || {
    tail -n 60 "$build/fuzz-$target.log"
    echo "fuzz_$target failed; see $build/fuzz-$target.log and $build/fuzz-artifacts" >&2
    exit 1
  }
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' \
    "$build/fuzz-$target.log" || true
done
