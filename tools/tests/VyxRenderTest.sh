#!/bin/sh
# VyxRenderTest.sh VYX EXAMPLE OUTDIR [CORPUS]: `vyx render` of the bundled example and of
# every corpus document our readers load. A document that `vyx layout` accepts must also
# render (exit 0, one PNG per page, no temporary files left); a reader's refusal is the
# reader's business, but no input may crash the program.
# Corpus pages are drawn at 48 dpi: every path runs, at a quarter of the pixels to encode.
set -u
vyx=$1 example=$2 out=$3 corpus=${4:-}
fail=0
rm -rf "$out"
mkdir -p "$out/example" "$out/bad"

"$vyx" render "$example" --out "$out/example" || { echo "example: render failed"; exit 1; }
[ -s "$out/example/page-001.png" ] || { echo "example: no page-001.png"; exit 1; }
head -c 8 "$out/example/page-001.png" | od -c | grep -q 'P   N   G' || { echo "example: not a PNG"; exit 1; }
"$vyx" render "$example" --out "$out/example" --screen --dpi 72 || { echo "example: --screen failed"; exit 1; }
[ -s "$out/example/screen.png" ] || { echo "example: no screen.png"; exit 1; }
mkdir -p "$out/svg"
"$vyx" render "$example" --out "$out/svg" --format svg || { echo "example: svg render failed"; exit 1; }
[ -s "$out/svg/page-001.svg" ] || { echo "example: no page-001.svg"; exit 1; }
[ -z "$(ls "$out/svg" | grep -v '^page-[0-9]*\.svg$')" ] || { echo "example: svg render wrote other files"; ls "$out/svg"; fail=1; }
if command -v xmllint >/dev/null 2>&1; then
    xmllint --noout "$out/svg/page-001.svg" || { echo "example: page-001.svg is not well-formed"; fail=1; }
fi
"$vyx" render "$example" --out "$out/svg" --format svg --screen || { echo "example: svg --screen failed"; exit 1; }
[ -s "$out/svg/screen.svg" ] || { echo "example: no screen.svg"; exit 1; }

# Refusals write nothing.
"$vyx" render "$example" --out "$out/bad" --pages 40-50 2>/dev/null; rc=$?
[ $rc -eq 2 ] || { echo "pages out of range: exit $rc, want 2"; fail=1; }
"$vyx" render "$example" --out "$out/bad" --format gif 2>/dev/null; rc=$?
[ $rc -eq 2 ] || { echo "gif: exit $rc, want 2"; fail=1; }
"$vyx" render "$example" --out "$out/missing-folder" 2>/dev/null; rc=$?
[ $rc -eq 2 ] || { echo "missing folder: exit $rc, want 2"; fail=1; }
[ -z "$(ls -A "$out/bad")" ] || { echo "refused renders left files"; ls -A "$out/bad"; fail=1; }

if [ -n "$corpus" ] && [ -f "$corpus/MANIFEST.tsv" ]; then
    total=0 rendered=0
    tab=$(printf '\t')
    while IFS="$tab" read -r path format rest; do
        case "$format" in
            doc|docm|docx|dotx|fodt|html|odt|rtf|*-malformed) ;;
            *) continue ;;
        esac
        file="$corpus/$path"
        [ -f "$file" ] || continue
        total=$((total + 1))
        "$vyx" layout "$file" >/dev/null 2>&1; lrc=$?
        dir="$out/corpus"
        rm -rf "$dir"
        mkdir -p "$dir"
        "$vyx" render "$file" --out "$dir" --dpi 48 >/dev/null 2>"$out/stderr"; rc=$?
        if [ $rc -ge 128 ] || { [ $lrc -eq 0 ] && [ $rc -ne 0 ]; }; then
            echo "$path: render exit $rc (layout exit $lrc): $(head -c 300 "$out/stderr")"
            fail=1
        elif [ $rc -eq 0 ]; then
            rendered=$((rendered + 1))
            [ -s "$dir/page-001.png" ] || { echo "$path: no page-001.png"; fail=1; }
            if ls -A "$dir" | grep -q '^\.'; then echo "$path: temporary files left"; fail=1; fi
        fi
    done < "$corpus/MANIFEST.tsv"
    echo "corpus: $rendered of $total documents rendered"
fi
exit $fail
