#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every libFuzzer target for a given time, starting from its committed
# corpus (new inputs go to a scratch folder, so the corpus stays small):
#   fuzz/run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:?build folder}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in replies hidprobe poll profile; do
  exe="$build/fuzz/fuzz_$target"
  scratch=$(mktemp -d)
  echo "== fuzz_$target for ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=1 "$exe" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$scratch/" "$scratch" "$here/corpus/$target" 2>"$scratch/log"; then
    status=1
    echo "fuzz_$target FOUND A PROBLEM; artifacts in $scratch"
  fi
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|Done [0-9]+ runs' "$scratch/log" || tail -n 20 "$scratch/log"
done
exit $status
