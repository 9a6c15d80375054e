#!/usr/bin/env bash
# Configures and builds one flavour of the tree: build.sh release | asan
# Further arguments name the only targets to build (all by default).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
flavour="${1:-release}"
shift $(($# > 0 ? 1 : 0))
dir="$top/build/$flavour"

case "$flavour" in
  release) opts=(-DCMAKE_BUILD_TYPE=Release -DVIRENO_SANITIZE=OFF) ;;
  asan)    opts=(-DCMAKE_BUILD_TYPE=Debug -DVIRENO_SANITIZE=ON) ;;
  *) echo "build.sh: unknown flavour '$flavour' (release or asan)" >&2; exit 2 ;;
esac

# Configuring says nothing worth reading unless it fails.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! cmake -S "$top" -B "$dir" -G Ninja "${opts[@]}" >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
