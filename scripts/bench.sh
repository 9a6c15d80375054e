#!/usr/bin/env bash
# Builds the optimised tree and runs the benchmarks and the accuracy report.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/setup.sh"
bash "$top/scripts/build.sh" release >/dev/null
for b in "$top"/build/release/bench/vireno-bench-*; do
  [[ -x "$b" ]] && "$b"
done
"$top/build/release/bench/vireno-accuracy"
