#!/usr/bin/env bash
# Builds only the release targets a script runs, quietly: it says what it builds once there is
# work to do, nothing when all is up to date, and shows the build's own output when it fails.
#   scripts/build-targets.sh "WHAT" TARGET...
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
what="$1"
shift

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
bash "$top/scripts/build.sh" release "$@" >"$log" 2>&1 &
build=$!
# A fresh tree is announced at once; otherwise when the build starts its first compile or link (a
# dry run cannot tell beforehand: it always expects CMake to re-check the tree first).
announced=""
[[ -f "$top/build/release/build.ninja" ]] || { echo "building $what …" >&2; announced=yes; }
while kill -0 "$build" 2>/dev/null; do
  if [[ -z "$announced" ]] && grep -q -e "Building" -e "Linking" -e "Generating" "$log"; then
    echo "building $what …" >&2
    announced=yes
  fi
  sleep 0.2
done
if ! wait "$build"; then
  cat "$log" >&2
  echo "build-targets: building $what failed (the build's output is above)" >&2
  exit 1
fi
