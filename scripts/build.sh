#!/usr/bin/env bash
# Configures and builds one flavour of the tree: build.sh release | asan | tsan
# The ThreadSanitizer flavour builds only the test binaries that race the audio thread against
# the host's other threads (one for each plug-in), which is all it runs.
# Further arguments name the only targets to build (all by default). JOBS sets how many compilers
# run at once (all processors by default), for a machine shared with other builds.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
flavour="${1:-release}"
shift $(($# > 0 ? 1 : 0))
dir="$top/build/$flavour"
targets=()

case "$flavour" in
  release) opts=(-DCMAKE_BUILD_TYPE=Release -DVIRENO_SANITIZE=OFF -DVIRENO_TSAN=OFF) ;;
  asan)    opts=(-DCMAKE_BUILD_TYPE=Debug -DVIRENO_SANITIZE=ON -DVIRENO_TSAN=OFF) ;;
  tsan)    opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIRENO_SANITIZE=OFF -DVIRENO_TSAN=ON)
           targets=(--target vireno_vst3_hostile_test --target vireno_aax_threads_test) ;;
  *) echo "build.sh: unknown flavour '$flavour' (release, asan or tsan)" >&2; exit 2 ;;
esac

# Configuring says nothing worth reading unless it fails.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! cmake -S "$top" -B "$dir" -G Ninja "${opts[@]}" >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$dir" --parallel "${JOBS:-$(nproc)}" "${targets[@]}"
