#!/usr/bin/env bash
# example.sh: builds the tool if needed and runs its main job on the bundled example.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/build.sh" "$ROOT/build" -DVYX_TESTS=OFF -DVYX_BENCH=OFF
"$ROOT/build/tools/vyx" info
