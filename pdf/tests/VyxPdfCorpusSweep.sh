#!/bin/sh
# Every DOCX, RTF and ODT file of the shared corpus through `vyx convert ... .pdf`: each
# export that the reader accepts must give a file qpdf passes, with every font embedded
# as a subset. Prints a summary line; fails on the first bad file.
# usage: VyxPdfCorpusSweep.sh VYX CORPUS_DIR WORKDIR
set -u
VYX=$1; CORPUS=$2; DIR=$3
command -v qpdf >/dev/null && command -v pdffonts >/dev/null || { echo "qpdf or poppler-utils missing"; exit 77; }
[ -f "$CORPUS/MANIFEST.tsv" ] || { echo "no corpus"; exit 77; }
rm -rf "$DIR"; mkdir -p "$DIR"
ok=0; refused=0
for f in "$CORPUS"/docx/*.docx "$CORPUS"/rtf/*.rtf "$CORPUS"/odt/*.odt; do
  [ -f "$f" ] || continue
  out="$DIR/$(basename "$f").pdf"
  timeout 60 "$VYX" convert "$f" "$out" 2>"$DIR/err.txt"
  status=$?
  if [ "$status" != 0 ]; then
    # A reader's refusal is a message and exit 1; anything else (a crash, a hang) fails.
    [ "$status" = 1 ] || { echo "FAIL: $f ended with status $status: $(cat "$DIR/err.txt")"; exit 1; }
    [ -e "$out" ] && { echo "FAIL: $f left a file after failing"; exit 1; }
    refused=$((refused + 1))
    continue
  fi
  qpdf --check "$out" >/dev/null 2>&1 || { echo "FAIL: qpdf rejects the PDF of $f"; exit 1; }
  if pdffonts "$out" 2>/dev/null | tail -n +3 | grep -v " yes yes yes " | grep -q .; then
    echo "FAIL: a font of $f is not an embedded subset with ToUnicode:"; pdffonts "$out"; exit 1
  fi
  ok=$((ok + 1))
  rm -f "$out"
done
echo "corpus to PDF: $ok files exported and checked, $refused refused by their readers"
