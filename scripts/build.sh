#!/usr/bin/env bash
# Configures and builds one flavour of the tree: build.sh release | asan
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
flavour="${1:-release}"
dir="$top/build/$flavour"

case "$flavour" in
  release) opts=(-DCMAKE_BUILD_TYPE=Release -DVIRENO_SANITIZE=OFF) ;;
  asan)    opts=(-DCMAKE_BUILD_TYPE=Debug -DVIRENO_SANITIZE=ON) ;;
  *) echo "build.sh: unknown flavour '$flavour' (release or asan)" >&2; exit 2 ;;
esac

cmake -S "$top" -B "$dir" -G Ninja "${opts[@]}" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
