#!/bin/sh
# html_convert.sh: whole-process conversions of a 140-page document, by vyx and, when it is
# installed, by an office suite's headless converter, side by side in turns (A B A B ...).
#   sh bench/html_convert.sh build/tools/vyx [runs]
# Two conversions are timed:
#   - 140 pages of text to HTML (the writer's path);
#   - a 140-page HTML page to plain text (the reader's path): headings, paragraphs with
#     inline formats, nested lists and a table every few pages, made with a fixed seed.
# Each pair of runs gives a ratio (office / vyx); the medians of the times and of the
# ratios are printed, so a noisy shared machine moves both sides alike.
set -eu
vyx=${1:?usage: html_convert.sh path/to/vyx [runs]}
runs=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# HTML_CONVERT_INPUTS=DIR keeps the two generated inputs there, for timing them by other means.

python3 - "$work/doc140.txt" "$work/doc140.html" <<'PY'
import html, random, sys
random.seed(140)
words = ("the invoice paragraph total document page table of and report order customer "
         "delivery amount due shipping address quantity price").split()
def sentence(n=25):
    return " ".join(random.choice(words) for _ in range(n))
with open(sys.argv[1], "w", encoding="utf-8") as f:
    for p in range(2800):
        f.write(sentence() + "\n")
# About 20 paragraphs of 25 words make a page; 140 pages.
out = ["<!DOCTYPE html><html><head><meta charset='utf-8'><title>140 pages</title>",
       "<style>p{margin:0 0 6pt} .note{color:#336;font-style:italic} td{border:1px solid #999}</style>",
       "</head><body>"]
for page in range(140):
    out.append("<h2>Section %d</h2>" % (page + 1))
    for p in range(16):
        w = sentence().split()
        w[3] = "<b>%s</b>" % w[3]
        w[9] = "<span class=note>%s</span>" % w[9]
        out.append("<p>%s</p>" % " ".join(w))
    if page % 3 == 0:
        out.append("<ul><li>%s<ul><li>%s</li><li>%s</li></ul></li><li>%s</li></ul>"
                   % tuple(html.escape(sentence(8)) for _ in range(4)))
    if page % 5 == 0:
        rows = "".join("<tr><td>%s</td><td>%d</td><td>%.2f</td></tr>" % (random.choice(words), i, i * 1.5)
                       for i in range(8))
        out.append("<table><tr><th>Item</th><th>No</th><th>Amount</th></tr>%s</table>" % rows)
out.append("</body></html>")
with open(sys.argv[2], "w", encoding="utf-8") as f:
    f.write("\n".join(out))
PY

if [ -n "${HTML_CONVERT_INPUTS:-}" ]; then
  mkdir -p "$HTML_CONVERT_INPUTS"
  cp "$work/doc140.txt" "$work/doc140.html" "$HTML_CONVERT_INPUTS/"
fi
office=$(command -v soffice || command -v libreoffice || true)
now() { date +%s.%N; }
# Runs a command, printing its wall time in seconds.
timed() {
  start=$(now)
  "$@" >/dev/null 2>&1 || true
  end=$(now)
  python3 -c "print('%.3f' % ($end - $start))"
}
median() { python3 -c "import statistics,sys; print('%.3f' % statistics.median(float(x) for x in sys.argv[1:]))" "$@"; }

compare() {
  label=$1 input=$2 ours_out=$3 office_fmt=$4
  ours="" theirs="" ratios=""
  # One warm-up of each, not counted (caches, fonts, the suite's profile).
  "$vyx" convert "$input" "$work/$ours_out" >/dev/null 2>&1
  if [ -n "$office" ]; then
    "$office" --headless -env:UserInstallation=file://$work/profile --convert-to "$office_fmt" \
      --outdir "$work/office" "$input" >/dev/null 2>&1 || true
  fi
  i=0
  while [ "$i" -lt "$runs" ]; do
    a=$(timed "$vyx" convert "$input" "$work/$ours_out")
    ours="$ours $a"
    if [ -n "$office" ]; then
      b=$(timed "$office" --headless -env:UserInstallation=file://$work/profile --convert-to "$office_fmt" \
            --outdir "$work/office" "$input")
      theirs="$theirs $b"
      ratios="$ratios $(python3 -c "print('%.2f' % ($b / max($a, 0.001)))")"
    fi
    i=$((i + 1))
  done
  echo "$label: vyx median $(median $ours) s over $runs runs ($(wc -c < "$work/$ours_out") bytes out)"
  if [ -n "$office" ]; then
    echo "$label: office suite median $(median $theirs) s; ratio office/vyx per pair:$ratios; median $(median $ratios)x"
  fi
}

compare "text -> HTML (140 pages)" "$work/doc140.txt" out.html html
compare "HTML -> text (140 pages)" "$work/doc140.html" out.txt "txt:Text (encoded):UTF8"
[ -n "$office" ] || echo "no office suite installed: comparison skipped"
