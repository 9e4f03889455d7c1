#!/bin/sh
# vyx convert to PDF through the program's table of formats: options, encryption, errors.
# usage: VyxConvertPdfTest.sh VYX INPUT.docx WORKDIR
set -u
VYX=$1; IN=$2; DIR=$3
command -v qpdf >/dev/null || { echo "qpdf missing"; exit 77; }
[ -f "$IN" ] || { echo "no input"; exit 77; }
rm -rf "$DIR"; mkdir -p "$DIR"
fail() { echo "FAIL: $*"; exit 1; }

"$VYX" convert "$IN" "$DIR/plain.pdf" || fail "plain export"
qpdf --check "$DIR/plain.pdf" >/dev/null || fail "plain file does not pass qpdf"

"$VYX" convert "$IN" "$DIR/enc.pdf" --user-password u --owner-password o --permissions print,copy || fail "encrypted export"
qpdf --check "$DIR/enc.pdf" >/dev/null 2>&1 && fail "encrypted file opens without a password"
enc=$(qpdf --password=o --show-encryption "$DIR/enc.pdf")
echo "$enc" | grep -q "R = 3" || fail "not revision 3: $enc"
echo "$enc" | grep -q "print low resolution: allowed" || fail "printing not allowed: $enc"
echo "$enc" | grep -q "extract for any purpose: allowed" || fail "copying not allowed: $enc"
echo "$enc" | grep -q "modify other: not allowed" || fail "modifying allowed: $enc"

"$VYX" convert "$IN" "$DIR/a.pdf" --pdfa || fail "PDF/A export"
grep -aq "pdfaid:part>1<" "$DIR/a.pdf" || fail "no PDF/A identification"

"$VYX" convert "$IN" "$DIR/bad.pdf" --permissions print,fly 2>/dev/null && fail "unknown permission accepted"
[ -e "$DIR/bad.pdf" ] && fail "file left after a refused option"
"$VYX" convert "$IN" "$DIR/missing-folder/x.pdf" 2>/dev/null && fail "unwritable path accepted"
"$VYX" convert "$DIR/plain.pdf" "$DIR/x.docx" 2>"$DIR/err.txt" && fail "PDF read as input"
grep -q 'Do not know how to read file type ".PDF"' "$DIR/err.txt" || fail "wrong message: $(cat "$DIR/err.txt")"
leftovers=$(ls -A "$DIR" | grep -c "tmp" || true)
[ "$leftovers" = 0 ] || fail "temporary files left: $(ls -A "$DIR")"
echo "ok"
