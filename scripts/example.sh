#!/usr/bin/env bash
# example.sh: builds the tool if needed and runs its main job on the bundled example.
# Until the engine opens documents as a whole, the main job is a look inside the
# example's package: its parts, content types and relationships.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/build.sh" "$ROOT/build" -DVYX_TESTS=OFF -DVYX_BENCH=OFF
"$ROOT/build/tools/vyx" package "$ROOT/examples/letter.docx"
# The main job: the report example (headings, a list, a table, a picture, a footnote, a
# header and footer, links) as PDF.
"$ROOT/build/tools/vyx" convert "$ROOT/examples/sample.docx" "$ROOT/build/sample.pdf"
echo "wrote $ROOT/build/sample.pdf"
