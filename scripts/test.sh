#!/usr/bin/env bash
# Checks the tree's own rules first (formatting, includes), then builds and runs every test twice:
# an optimised build with assertions on, and an AddressSanitizer + UndefinedBehaviorSanitizer build
# that fails on any report. A third, ThreadSanitizer build runs only the tests that race each
# plug-in's audio thread against the host's other threads, and fails on any race they report. JOBS
# sets how many compilers and tests run at once (all processors by default).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/setup.sh"

# The tree's own rules, before anything builds. Every tracked C++ file is formatted as
# .clang-format says.
if ! report="$(cd "$top" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror 2>&1)"; then
  unformatted="$(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/  not formatted: \1/p' <<<"$report" | sort -u)"
  echo "${unformatted:-$report}" >&2
  echo "test: C++ not formatted as .clang-format says (above); run: git ls-files '*.cpp' '*.h' | xargs clang-format -i" >&2
  exit 1
fi
# Code that ships (platform, toolkit, framework, product) includes nothing of the test hosts or the
# tools; only its tests may. CMake checks the same of the libraries each target links.
if git -C "$top" grep -n -E '^\s*#\s*include\s*"(testhosts|tools)/' -- platform toolkit kro-core tuner \
    ':(exclude)*/tests/*' >&2; then
  echo "test: the code above ships and includes the test hosts or the tools; move what it needs beside it" >&2
  exit 1
fi

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
# Tests that open a window get a virtual X server of their own.
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24 -noreset")

status=0
for flavour in release asan; do
  echo "== $flavour build"
  bash "$top/scripts/build.sh" "$flavour"
  echo "== $flavour tests"
  if ! "${xvfb[@]}" ctest --test-dir "$top/build/$flavour" --output-on-failure -j "${JOBS:-$(nproc)}"; then
    status=1
  fi
done

echo "== tsan build"
bash "$top/scripts/build.sh" tsan
echo "== tsan tests"
if ! "${xvfb[@]}" "$top/build/tsan/tuner/vst3/tests/vireno_vst3_hostile_test" --gtest_filter='VirenoThreads.*'; then
  status=1
fi
if ! "$top/build/tsan/tuner/AAX/tests/vireno_aax_threads_test" --gtest_filter='VirenoAaxThreads.*'; then
  status=1
fi
exit $status
