#!/usr/bin/env bash
# Builds the two fuzzers (clang, libFuzzer, AddressSanitizer, UBSan) and runs each for SECONDS,
# starting from the committed seeds; new inputs go to a scratch corpus, crashes to fuzz/crashes.
# Usage: scripts/fuzz.sh SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS}
scripts/install_deps.sh >&2
cmake --preset fuzz >&2
cmake --build --preset fuzz >&2
mkdir -p fuzz/crashes
status=0
for target in options keys; do
  scratch=$(mktemp -d)
  echo "== ${target}_fuzz for ${seconds} s"
  build-fuzz/fuzz/zundabar_${target}_fuzz "$scratch" "fuzz/corpus/$target" \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=fuzz/crashes/ \
    -print_pcs=0 2>"$scratch.log" || status=1
  grep -E "^#[0-9]+.*(DONE|pulse|INITED)|stat::number_of_executed_units|cov:|ERROR|broken" \
    "$scratch.log" | tail -n 4
  rm -rf "$scratch" "$scratch.log"
done
exit $status
