#!/usr/bin/env bash
# example.sh: builds the tool if needed and runs its main job on the bundled example:
# converting examples/sample.docx (headings, a list, a table, a picture, a footnote, a
# header and footer with page numbers, links) to PDF.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/build.sh" "$ROOT/build" -DVYX_TESTS=OFF -DVYX_BENCH=OFF
"$ROOT/build/tools/vyx" convert "$ROOT/examples/sample.docx" "$ROOT/build/sample.pdf"
echo "wrote $ROOT/build/sample.pdf"
