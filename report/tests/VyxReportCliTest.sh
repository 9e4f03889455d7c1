#!/bin/sh
# VyxReportCliTest.sh: `vyx merge` and `vyx report` on the test templates: text results
# against hand-checked files, PDF output, one file per record, and templates or data
# with errors ending in exit code 1 and no output file.
# Usage: VyxReportCliTest.sh VYX DATA_DIR WORK_DIR
set -u
vyx=$1; data=$2; work=$3
rm -rf "$work"; mkdir -p "$work"; cd "$work" || exit 1
fail=0
check() { if [ "$1" != 0 ]; then echo "FAIL: $2"; fail=1; fi; }

"$vyx" merge "$data/letter.docx" "$data/letters.csv" letters.txt; check $? "merge to text"
cmp letters.txt "$data/letters-merged.txt"; check $? "merged letters differ from letters-merged.txt"
"$vyx" merge "$data/letter.docx" "$data/letters.csv" letters.pdf; check $? "merge to PDF"
head -c 5 letters.pdf | grep -q '%PDF-'; check $? "the merged PDF starts with %PDF-"
"$vyx" merge "$data/letter.docx" "$data/letters.csv" split --split 'letter-{n}-{City}.docx'; check $? "merge --split"
[ -f "split/letter-1-Köln.docx" ] && [ -f "split/letter-2-北京.docx" ] && [ -f "split/letter-3-_.docx" ]
check $? "one file per record, named by number and city"

"$vyx" report "$data/report-orders.docx" orders.txt --data "$data/orders.json"; check $? "report to text"
cmp orders.txt "$data/report-orders.txt"; check $? "report differs from report-orders.txt"

"$vyx" report "$data/report-bad.docx" bad.docx --data "$data/orders.json" 2> bad.err
[ $? = 1 ]; check $? "a template with errors exits with 1"
grep -q 'error 4502: Band "A" is allready defined (template paragraph "two' bad.err; check $? "errors name their paragraph"
grep -q 'warning 3508: Unknown parameter "color" in band "A"' bad.err; check $? "warnings are printed too"
[ ! -e bad.docx ]; check $? "no output after errors"

printf '[{"a": 1},' > broken.json
"$vyx" report "$data/report-orders.docx" broken.docx --data broken.json 2> broken.err
[ $? = 1 ]; check $? "malformed JSON exits with 1"
[ ! -e broken.docx ]; check $? "no output after bad data"
grep -q 'JSON' broken.err; check $? "the JSON error is reported"

# One template as DOCX and as RTF, CSV rows and a JSON tree, to text and to PDF.
tables="--data $data/people.csv --dataset Items=$data/tree.json"
"$vyx" report "$data/tables.docx" tables-docx.txt $tables; check $? "DOCX template to text"
cmp tables-docx.txt "$data/tables-cli.txt"; check $? "the DOCX template's text differs from tables-cli.txt"
"$vyx" report "$data/tables.rtf" tables-rtf.txt $tables; check $? "RTF template to text"
cmp tables-rtf.txt "$data/tables-cli.txt"; check $? "the RTF template's text differs from tables-cli.txt"
"$vyx" report "$data/tables.rtf" tables.pdf $tables; check $? "RTF template to PDF"
if command -v pdftotext > /dev/null; then
    pdftotext -layout tables.pdf tables-pdf.txt; check $? "pdftotext reads the report"
    for text in "1,000,000.25" "-234,570.14" "29.02.2000" "李小龍 (北京)" "ZOË BRONTË" "Leap day.docx" \
                "5 folders; page 1 of 1"; do
        grep -qF -e "$text" tables-pdf.txt; check $? "the PDF shows \"$text\""
    done
fi

[ $fail = 0 ] && echo "report CLI: all checks passed"
exit $fail
