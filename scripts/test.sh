#!/usr/bin/env bash
# test.sh [ctest args...]: builds everything (with tests) and runs every test.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${VYX_TEST_BUILD:-$ROOT/build-test}"
bash "$ROOT/scripts/build.sh" "$BUILD" -DVYX_TESTS=ON
cd "$BUILD"
ctest --output-on-failure -j "$(nproc)" "$@"
