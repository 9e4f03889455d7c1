#!/bin/sh
# doc_convert.sh: whole-process DOC to text, `vyx convert in.doc out.txt` against antiword (when
# installed: VYX_BENCH_TOOLS=1 scripts/deps.sh), in turns A B A B ..., CPU time (user + system)
# of each finished process from the kernel's accounting.
#   sh bench/doc_convert.sh build/tools/vyx [runs] [file.doc ...]
# Without files: the corpus DOC files with the most text that antiword reads. Also times
# `vyx --version` (the start alone) and the same conversion by vyx-full (every library mapped),
# and, with VYX_BENCH_DOC=file.doc (e.g. the 140-page document bench/DocBench.cpp keeps with
# VYX_BENCH_SAVE_DOC, whose text antiword reads in full), that file side by side like the
# others. The medians of the times and of the per-pair ratios are printed, so a noisy shared
# machine moves both sides alike.
set -eu
vyx=${1:?usage: doc_convert.sh path/to/vyx [runs] [file.doc ...]}
runs=${2:-21}
[ $# -ge 2 ] && shift 2 || shift $#
corpus=$(dirname "$0")/../../shared/corpus/doc
[ -d "$corpus" ] || corpus=/work/shared/corpus/doc
if [ $# -eq 0 ]; then
  set -- "$corpus/poi-MarkAuthorsTable.doc" "$corpus/poi-Bug33519.doc" "$corpus/poi-TestShiftJIS.doc"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$vyx" "$runs" "$work" "${VYX_BENCH_DOC:-}" "$@" <<'PY'
import os, shutil, statistics, subprocess, sys

vyx, runs, work, extra = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
files = sys.argv[5:] + ([extra] if extra else [])
full = os.path.join(os.path.dirname(os.path.abspath(vyx)), "vyx-full")
antiword = shutil.which("antiword")

def cpu_ms(cmd):
    """CPU time of one finished process (user + system), in milliseconds."""
    with open(os.devnull, "wb") as null:
        p = subprocess.Popen(cmd, stdout=null, stderr=null)
        _, _, usage = os.wait4(p.pid, 0)
    return (usage.ru_utime + usage.ru_stime) * 1000

def series(cmds):
    """Runs the commands in turns after one warm-up each; a list of times per command."""
    for c in cmds:
        cpu_ms(c)
    times = [[] for _ in cmds]
    for _ in range(runs):
        for i, c in enumerate(cmds):
            times[i].append(cpu_ms(c))
    return times

def show(label, t):
    print("%-44s median %6.2f ms CPU (min %.2f, max %.2f)" % (label, statistics.median(t), min(t), max(t)))

out = os.path.join(work, "out.txt")
t = series([[vyx, "--version"], [full, "--version"]])
show("vyx --version", t[0])
show("vyx-full --version", t[1])
for f in files:
    name = os.path.basename(f)
    cmds = [[vyx, "convert", f, out], [full, "convert", f, out]]
    if antiword:
        cmds.append([antiword, f])
    t = series(cmds)
    print(name)
    show("  vyx convert -> .txt", t[0])
    show("  vyx-full convert -> .txt", t[1])
    if antiword:
        show("  antiword", t[2])
        ratios = [a / b for a, b in zip(t[0], t[2]) if b > 0]
        print("  vyx/antiword per pair: median %.2f (min %.2f, max %.2f)"
              % (statistics.median(ratios), min(ratios), max(ratios)))
if not antiword:
    print("antiword is not installed: no comparison")
PY
