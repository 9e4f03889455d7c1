#!/bin/sh
# VyxCliHostileTest.sh: the vyx program against hostile inputs and output paths.
# Usage: VyxCliHostileTest.sh VYX SAMPLE.docx WORKDIR
# Each check prints its name; the script exits non-zero at the first failure.
set -u
VYX=$1
SAMPLE=$2
WORK=$3
rm -rf "$WORK" && mkdir -p "$WORK" || exit 1
cd "$WORK" || exit 1

fail() { echo "FAIL: $*"; exit 1; }
# run NAME EXPECTED_EXIT CMD...: runs with a time limit, keeps stdout/stderr in out/err.
run() {
    name=$1 expected=$2
    shift 2
    timeout 20 "$@" >out 2>err
    code=$?
    [ "$code" = 124 ] && fail "$name: hung"
    [ "$code" = "$expected" ] || fail "$name: exit $code, expected $expected; stderr: $(cat err)"
    echo "ok: $name"
}
has() { grep -q -- "$2" "$1" || fail "$3: $1 lacks \"$2\": $(cat "$1")"; }

# Formulas: syntax errors with text and position, no value, non-zero exit.
run "operands without operator" 1 "$VYX" eval "=1.2.3"
has err 'missing operator before ".3" at position 4' "1.2.3"
[ -s out ] && fail "1.2.3 printed a value"
run "parenthesised operands" 1 "$VYX" eval "=(1)(2)"
run "number and text" 1 "$VYX" eval '=1"a"'
run "wrong argument count" 1 "$VYX" eval "=IF(1,2,3,4)"
[ -s out ] && fail "IF(1,2,3,4) printed a value"
has err "Error 4021" "IF(1,2,3,4)"
run "handler that raised" 0 "$VYX" eval "=DOLLAR(1E308,127)"
has out "#" "DOLLAR"
run "text beyond the cell limit" 0 "$VYX" eval '=LEN(SUBSTITUTE(REPT("a",32767),"a",REPT("b",32767)))'
has out "#VALUE!" "SUBSTITUTE"
run "garbage reports each error once" 1 "$VYX" eval "=1+####################"
[ "$(sort err | uniq -d | wc -l)" = 0 ] || fail "repeated error lines: $(cat err)"
[ "$(wc -l <err)" -le 25 ] || fail "too many error lines"

# Output files: only regular files, modes kept, user's path in messages.
run "repack to a device" 1 "$VYX" package "$SAMPLE" --repack /dev/null
has err 'Refusing to write to "/dev/null": it is a device' "/dev/null"
[ -c /dev/null ] || fail "/dev/null is no longer a device"
mkfifo fifo || fail "mkfifo"
run "repack to a FIFO" 1 "$VYX" package "$SAMPLE" --repack fifo
[ -p fifo ] || fail "the FIFO was replaced"
run "empty output path" 1 "$VYX" package "$SAMPLE" --repack ""
has err "The output file name is empty" "empty path"
echo old >kept.docx && chmod 640 kept.docx
run "repack over a file" 0 "$VYX" package "$SAMPLE" --repack kept.docx
has out "entries written to kept.docx" "repack summary"
grep -q " 0 entries" out && fail "the summary counts no entries"
[ "$(stat -c %a kept.docx)" = 640 ] || fail "mode not kept: $(stat -c %a kept.docx)"
ln -s kept.docx link.docx
run "repack through a link" 0 "$VYX" package "$SAMPLE" --repack link.docx
[ -L link.docx ] || fail "the link was replaced by a file"
mkdir ro && chmod 555 ro
if [ "$(id -u)" != 0 ]; then
    run "unwritable folder" 1 "$VYX" package "$SAMPLE" --repack ro/x.docx
    has err '"ro/x.docx"' "unwritable folder"
    grep -q "vyx-" err && fail "the temporary name leaked: $(cat err)"
fi
ls -a . ro | grep -q '\.tmp$' && fail "a temporary file was left behind"

# Inputs: directories, FIFOs without writers and pipes.
run "directory as input" 1 "$VYX" package .
has err "it is a directory" "directory"
run "FIFO nobody writes" 1 "$VYX" package fifo
run "package from a pipe" 0 sh -c "cat '$SAMPLE' | '$VYX' package -"
has out "word/document.xml" "pipe"
run "package from /dev/stdin" 0 sh -c "'$VYX' package /dev/stdin <'$SAMPLE'"
has out "word/document.xml" "/dev/stdin"

# Names from files are escaped; entries with unsafe names stop a repack.
if command -v python3 >/dev/null 2>&1; then
    python3 - <<'PY' || fail "python3 could not write the test archive"
import zipfile
with zipfile.ZipFile("evil.zip", "w") as z:
    z.writestr("ok.txt", "fine")
    z.writestr("../escape.txt", "out")
    z.writestr("\x1b]0;owned\x07\x1b[2J.txt", "title")
PY
    run "listing escapes control characters" 0 "$VYX" package evil.zip
    has out '\\x1B]0;owned\\x07\\x1B\[2J.txt' "escaped name"
    grep -q "$(printf '\033')" out && fail "raw escape sequence in the listing"
    run "repack with unsafe names" 1 "$VYX" package evil.zip --repack clean.zip
    has err "../escape.txt" "unsafe name"
    [ -e clean.zip ] && fail "a repack that dropped entries wrote its output"
fi
echo "all checks passed"
