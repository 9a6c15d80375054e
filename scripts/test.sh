#!/usr/bin/env bash
# Builds and runs every test twice: an optimised build with assertions on, and an
# AddressSanitizer + UndefinedBehaviorSanitizer build that fails on any report.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/setup.sh"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

status=0
for flavour in release asan; do
  echo "== $flavour build"
  bash "$top/scripts/build.sh" "$flavour"
  echo "== $flavour tests"
  # Tests that open a window get a virtual X server of their own.
  if ! xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
       ctest --test-dir "$top/build/$flavour" --output-on-failure -j "$(nproc)"; then
    status=1
  fi
done
exit $status
