#!/bin/sh
# VyxLightTest.sh: `vyx` runs plain conversions itself and hands everything else to vyx-full.
# Usage: VyxLightTest.sh VYX CORPUS_DIR WORKDIR
#   - the program maps none of the drawing, font, PDF, spelling, barcode or report libraries;
#   - every corpus DOC, DOCX, RTF and text file converts to text (and the DOC files to RTF)
#     with the same bytes, messages and exit code as the full program gives;
#   - other formats, options and commands, and encrypted packages, reach the full program.
set -u
VYX=$1
CORPUS=$2
WORK=$3
FULL=$(dirname "$VYX")/vyx-full
rm -rf "$WORK" && mkdir -p "$WORK" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

# No heavy library among the shared objects the program needs.
needed=$(LC_ALL=C readelf -d "$VYX" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
for heavy in cairo fontconfig freetype harfbuzz lcms2 hunspell sqlite3 ZXing X11 xcb crypto; do
    echo "$needed" | grep -qi "$heavy" && fail "vyx needs a $heavy library: $needed"
done
echo "ok: needed shared objects: $(echo $needed)"
# Nor linked in statically: the crypto library's start-up (processor feature probes) runs in
# every process that carries it; encrypted packages go to the full program.
if command -v nm >/dev/null 2>&1; then
    crypto=$(nm "$VYX" 2>/dev/null | grep -c -e ' OPENSSL_init_crypto$' -e ' EVP_CIPHER_CTX_new$' -e '14TXLSEncryption' || true)
    [ "$crypto" -eq 0 ] || fail "vyx carries the crypto library or the decryption ($crypto symbols)"
    echo "ok: no crypto linked in"
fi

# same NAME IN OUT [OPTIONS...]: both programs, same exit code, stderr and output bytes.
same() {
    name=$1 in=$2 out=$3
    shift 3
    timeout 60 "$VYX" convert "$in" "$WORK/light.$out" "$@" >/dev/null 2>"$WORK/light.err"
    a=$?
    timeout 60 "$FULL" convert "$in" "$WORK/full.$out" "$@" >/dev/null 2>"$WORK/full.err"
    b=$?
    [ "$a" = "$b" ] || fail "$name: exit $a, the full program's $b"
    cmp -s "$WORK/light.err" "$WORK/full.err" || fail "$name: messages differ: $(cat "$WORK/light.err") / $(cat "$WORK/full.err")"
    if [ "$a" = 0 ]; then
        cmp -s "$WORK/light.$out" "$WORK/full.$out" || fail "$name: output differs"
    fi
    rm -f "$WORK/light.$out" "$WORK/full.$out"
    count=$((count + 1))
}

count=0
if [ -d "$CORPUS" ]; then
    for f in "$CORPUS"/doc/* "$CORPUS"/docx/*.docx "$CORPUS"/rtf/*.rtf "$CORPUS"/docx-encrypted/*.docx; do
        [ -f "$f" ] && same "$f" "$f" txt
    done
    for f in "$CORPUS"/doc/*.doc; do
        same "$f as RTF" "$f" rtf
    done
    doc="$CORPUS/doc/poi-simple-table.doc"
    same "CR LF in cp1251" "$doc" txt --encoding cp1251 --newline=crlf
    same "unknown encoding" "$doc" txt --encoding nowhere
    same "password (full program)" "$CORPUS/docx-encrypted/poi-bug53475-password-is-pass.docx" txt --password pass
    echo "ok: $count conversions the same through both programs"

    # Handed on: a PDF, a command of the full program, and help.
    timeout 120 "$VYX" convert "$doc" "$WORK/t.pdf" || fail "PDF output"
    head -c 5 "$WORK/t.pdf" | grep -q '%PDF-' || fail "PDF output is not a PDF"
    echo "ok: PDF output through the full program"
fi
timeout 20 "$VYX" eval "=1+2" >"$WORK/eval.out" 2>&1 || fail "eval: $(cat "$WORK/eval.out")"
grep -q 3 "$WORK/eval.out" || fail "eval printed $(cat "$WORK/eval.out")"
timeout 20 "$VYX" --help | grep -q convert || fail "--help lists no convert"
timeout 20 "$VYX" convert only-one.doc >/dev/null 2>&1
[ $? = 2 ] || fail "a missing output name is a usage error"
[ "$("$VYX" --version)" = "$("$FULL" --version)" ] || fail "--version differs"
echo "ok: other commands through the full program"

# A program copied without its companion says so instead of failing silently.
cp "$VYX" "$WORK/vyx-alone"
"$WORK/vyx-alone" eval "=1" >/dev/null 2>"$WORK/alone.err"
[ $? = 1 ] && grep -q "cannot start" "$WORK/alone.err" || fail "missing vyx-full: $(cat "$WORK/alone.err")"
echo "ok: missing full program reported"
