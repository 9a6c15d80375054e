#!/usr/bin/env bash
# Builds the benchmarks and the accuracy report, optimised, and runs them.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/setup.sh"
bash "$top/scripts/build-targets.sh" "the benchmarks and the accuracy report" vireno-bench-programs
for b in "$top"/build/release/bench/vireno-bench-*; do
  [[ -x "$b" ]] && "$b"
done
"$top/build/release/bench/vireno-accuracy"
