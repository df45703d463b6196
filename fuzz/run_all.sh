#!/usr/bin/env bash
# Runs every fuzz target for a while on a scratch copy of its seed corpus and
# fails on the first finding. Usage: fuzz/run_all.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz/fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in command_line pattern run; do
  mkdir -p "$scratch/$target"
  echo "fuzzing $target for ${seconds}s"
  # Findings (crash-*, leak-*, timeout-*) are written to the scratch folder,
  # and the fuzzer exits non-zero, which fails this script.
  if ! "$build/${target}_fuzz" -max_total_time="$seconds" -max_len=70000 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch/$target" "fuzz/corpus/$target" \
      >"$scratch/$target.log" 2>&1; then
    tail -n 40 "$scratch/$target.log"
    echo "fuzz target $target found a failing input" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$scratch/$target.log" || true
done
