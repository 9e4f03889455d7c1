#!/usr/bin/env bash
# test.sh [ctest args...]: builds everything with tests and runs every test twice:
# a Release build (build-test/), then a build under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), which catches the leaks, overflows
# and undefined behaviour that passing tests alone do not show. Both must pass.
# VYX_TEST_BUILD and VYX_ASAN_BUILD choose the folders; VYX_SKIP_ASAN=1 runs
# the Release pass only (for quick local runs; CI never sets it).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${VYX_TEST_BUILD:-$ROOT/build-test}"
ASAN_BUILD="${VYX_ASAN_BUILD:-$ROOT/build-asan}"
start=$SECONDS

stamp() { echo "vyx: $1 ($((SECONDS - start)) s)" >&2; }

bash "$ROOT/scripts/build.sh" "$BUILD" -DVYX_TESTS=ON
stamp "release build done"
(cd "$BUILD" && ctest --output-on-failure -j "$(nproc)" "$@")
stamp "release tests passed"

if [ "${VYX_SKIP_ASAN:-0}" = "1" ]; then
  exit 0
fi

# -O1 keeps the sanitizer build and its test run quick; benchmarks and the
# header check add nothing the Release pass did not already compile.
bash "$ROOT/scripts/build.sh" "$ASAN_BUILD" -DVYX_TESTS=ON -DVYX_SANITIZE=ON \
  -DVYX_BENCH=OFF -DVYX_HEADER_CHECK=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1"
stamp "sanitizer build done"
# Leaks fail the run; every UB report already aborts (-fno-sanitize-recover).
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
(cd "$ASAN_BUILD" && ctest --output-on-failure -j "$(nproc)" "$@")
stamp "sanitizer tests passed"
