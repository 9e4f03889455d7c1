#!/usr/bin/env bash
# build.sh [BUILD_DIR] [extra cmake args...]: installs what is missing and builds.
# Sourced by example.sh and test.sh; quiet when there is nothing to do.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
shift || true

bash "$ROOT/scripts/deps.sh"

args=(-G Ninja -DCMAKE_BUILD_TYPE=Release "$@")
if [ "${CI:-}" = "true" ]; then args+=(-DVYX_WERROR=ON); fi
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S "$ROOT" -B "$BUILD" "${args[@]}" >/dev/null
else
  cmake "$BUILD" "${args[@]}" >/dev/null
fi
# Ninja's "no work to do" is the only line an up-to-date build would print.
status=0
cmake --build "$BUILD" -j "$(nproc)" -- --quiet | { grep -v '^ninja: no work to do\.$' || true; } || status=$?
exit $status
