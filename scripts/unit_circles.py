#!/usr/bin/env python3
"""Call circles between the units of one library, read from its object files.

A unit calls another when one of its undefined symbols is defined there (inline and
template code, emitted weak in many units, is left out: it belongs to no one unit).
Prints every strongly connected group of more than one unit and the names that tie it.

    scripts/unit_circles.py build/model/CMakeFiles/vyx_model.dir
"""
import pathlib
import subprocess
import sys


def symbols(obj, *flags):
    # Mangled names hold no spaces, so each posix row splits cleanly into NAME TYPE
    # [VALUE SIZE]; demangled names would mix with the hex fields (a size "e" reads as a type).
    out = subprocess.run(["nm", "--format=posix", *flags, str(obj)], capture_output=True, text=True,
                         check=True).stdout
    rows = []
    for line in out.splitlines():
        fields = line.split()
        if len(fields) >= 2 and len(fields[1]) == 1:
            rows.append((fields[0], fields[1]))
    return rows


def demangle(names):
    out = subprocess.run(["c++filt"], input="\n".join(names), capture_output=True, text=True,
                         check=True).stdout
    return dict(zip(names, out.splitlines()))


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/model/CMakeFiles/vyx_model.dir")
    objs = sorted(p for p in folder.rglob("*.o") if "cmake_pch" not in p.name)
    defined, wanted = {}, {}
    for obj in objs:
        unit = obj.name.removesuffix(".o")
        wanted[unit] = set()
        for name, kind in symbols(obj):
            if kind == "U":
                wanted[unit].add(name)
            elif kind in "TDBR":  # strong definitions only
                defined.setdefault(name, unit)
    edges = {u: {} for u in wanted}
    for unit, names in wanted.items():
        for name in names:
            owner = defined.get(name)
            if owner and owner != unit:
                edges[unit].setdefault(owner, []).append(name)
    # Tarjan's strongly connected components.
    index, low, stack, on, groups, counter = {}, {}, [], set(), [], [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on.add(v)
        for w in edges[v]:
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    sys.setrecursionlimit(10000)
    for v in sorted(edges):
        if v not in index:
            visit(v)
    print(f"{len(objs)} units, {len(groups)} circle(s)")
    for group in groups:
        print(f"circle of {len(group)}: {', '.join(group)}")
        for a in group:
            for b in group:
                if b in edges[a]:
                    plain = demangle(edges[a][b])
                    names = sorted(set(plain[n].split("(")[0] for n in edges[a][b]))
                    more = f" and {len(names) - 4} more" if len(names) > 4 else ""
                    print(f"  {a} -> {b}: {', '.join(names[:4])}{more}")


if __name__ == "__main__":
    main()
