#!/bin/sh
# html_convert.sh: whole-process conversion of a 140-page document to HTML, by vyx and,
# when it is installed, by an office suite's headless converter, side by side.
#   sh bench/html_convert.sh build/tools/vyx [input]
# Without an input a 140-page text document (about 70,000 words in 2,800 paragraphs,
# fixed seed) is made; any file vyx reads may be given instead.
set -eu
vyx=${1:?usage: html_convert.sh path/to/vyx [input]}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=${2:-}
if [ -z "$input" ]; then
  input="$work/doc140.txt"
  python3 - "$input" <<'PY'
import random, sys
random.seed(140)
words = "the invoice paragraph total document page table of and report order customer delivery".split()
with open(sys.argv[1], "w", encoding="utf-8") as f:
    for p in range(2800):
        f.write(" ".join(random.choice(words) for _ in range(25)) + "\n")
PY
fi
seconds() { date +%s.%N; }

start=$(seconds)
"$vyx" convert "$input" "$work/out.html"
end=$(seconds)
ours=$(python3 -c "print(round($end - $start, 3))")
echo "vyx convert: ${ours} s ($(wc -c < "$work/out.html") bytes of HTML)"

office=$(command -v soffice || command -v libreoffice || true)
if [ -z "$office" ]; then
  echo "no office suite installed: comparison skipped"
  exit 0
fi
start=$(seconds)
"$office" --headless --convert-to html --outdir "$work/office" "$input" >/dev/null 2>&1
end=$(seconds)
theirs=$(python3 -c "print(round($end - $start, 3))")
echo "office suite: ${theirs} s"
python3 -c "print('ratio: %.1fx' % ($theirs / max($ours, 0.001)))"
