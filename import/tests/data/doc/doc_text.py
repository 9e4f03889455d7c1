#!/usr/bin/env python3
"""doc_text.py: an independent extraction of the main text of a binary .doc file.

Written from the public format description without sharing code with the importer:
its own compound-file reader, piece table walk and field handling. Output (UTF-8):
one line per paragraph or table cell, field instructions dropped and results kept,
breaks as line ends, object marks dropped, trailing blanks stripped, empty lines
dropped. The importer's test compares its document with these files.

usage: doc_text.py FILE.doc...   writes FILE.doc.txt beside this script for each
       doc_text.py --stdout FILE  prints the text
"""
import os
import struct
import sys

ENDOFCHAIN = 0xFFFFFFFE


def read_cfb(data):
    if data[:8] != b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1":
        raise ValueError("not a compound file")
    sector_shift = struct.unpack_from("<H", data, 30)[0]
    mini_shift = struct.unpack_from("<H", data, 32)[0]
    ssize = 1 << sector_shift
    msize = 1 << mini_shift
    first_dir = struct.unpack_from("<I", data, 48)[0]
    cutoff = struct.unpack_from("<I", data, 56)[0]
    first_minifat = struct.unpack_from("<I", data, 60)[0]
    first_difat = struct.unpack_from("<I", data, 68)[0]
    difat = list(struct.unpack_from("<109I", data, 76))
    sec = first_difat
    seen = set()
    while sec < 0xFFFFFFFA and sec not in seen:
        seen.add(sec)
        off = (sec + 1) * ssize
        vals = struct.unpack_from("<%dI" % (ssize // 4), data, off)
        difat.extend(vals[:-1])
        sec = vals[-1]

    def sector(n):
        return data[(n + 1) * ssize:(n + 2) * ssize]

    fat = []
    for s in difat:
        if s >= 0xFFFFFFFA:
            continue
        fat.extend(struct.unpack("<%dI" % (ssize // 4), sector(s).ljust(ssize, b"\0")))

    def chain(start, table):
        out, seen2 = [], set()
        while start < len(table) and start not in seen2 and start != ENDOFCHAIN:
            seen2.add(start)
            out.append(start)
            start = table[start]
        return out

    def read_big(start):
        return b"".join(sector(s) for s in chain(start, fat))

    dirdata = read_big(first_dir)
    entries = []
    for i in range(len(dirdata) // 128):
        e = dirdata[i * 128:(i + 1) * 128]
        nlen = struct.unpack_from("<H", e, 64)[0]
        name = e[:max(0, nlen - 2)].decode("utf-16-le", "replace")
        etype = e[66]
        start = struct.unpack_from("<I", e, 116)[0]
        size = struct.unpack_from("<Q", e, 120)[0]
        if ssize == 512:
            size &= 0xFFFFFFFF
        entries.append((name, etype, start, size))
    root = entries[0]
    ministream = read_big(root[2])
    minifat = []
    for s in chain(first_minifat, fat):
        minifat.extend(struct.unpack("<%dI" % (ssize // 4), sector(s).ljust(ssize, b"\0")))
    streams = {}
    for name, etype, start, size in entries:
        if etype != 2:
            continue
        if size < cutoff:
            raw = b"".join(ministream[m * msize:(m + 1) * msize] for m in chain(start, minifat))
        else:
            raw = read_big(start)
        streams[name.lower()] = raw[:size]
    return streams


# Code pages of the 8-bit text of older files, by language id (the files carry no other hint).
CODE_PAGES = {0x0405: "cp1250", 0x040E: "cp1250", 0x0415: "cp1250", 0x041B: "cp1250", 0x0424: "cp1250",
              0x0419: "cp1251", 0x0402: "cp1251", 0x0422: "cp1251", 0x0423: "cp1251",
              0x0408: "cp1253", 0x041F: "cp1254", 0x040D: "cp1255", 0x0401: "cp1256",
              0x0425: "cp1257", 0x0426: "cp1257", 0x0427: "cp1257"}


def pieces_of(clx):
    i = 0
    while clx[i] == 1:
        i += 3 + struct.unpack_from("<H", clx, i + 1)[0]
    assert clx[i] == 2
    lcb = struct.unpack_from("<I", clx, i + 1)[0]
    plc = clx[i + 5:i + 5 + lcb]
    n = (lcb - 4) // 12
    cps = struct.unpack_from("<%dI" % (n + 1), plc, 0)
    for k in range(n):
        fc = struct.unpack_from("<I", plc, 4 * (n + 1) + 8 * k + 2)[0]
        yield cps[k + 1] - cps[k], fc


def word6_text(wd, lid, flags):
    # Word 6 and 95: one stream, the offset/length pairs at 88, all text 8-bit; a file
    # that was never fast-saved has no piece table and keeps its text at fcMin.
    if flags & 0x0100:
        raise ValueError("encrypted")
    ccp_text = struct.unpack_from("<I", wd, 52)[0]
    fc_min, fc_mac = struct.unpack_from("<II", wd, 24)
    fc_clx, lcb_clx = struct.unpack_from("<II", wd, 88 + 33 * 8)
    if flags & 0x0004 and lcb_clx:
        pieces = list(pieces_of(wd[fc_clx:fc_clx + lcb_clx]))
    else:
        pieces = [(fc_mac - fc_min, fc_min)]
    cp = CODE_PAGES.get(lid, "cp1252")
    raw = b"".join(wd[fc:fc + count] for count, fc in pieces)
    return raw.decode(cp, "replace")[:ccp_text]


def extract(path):
    streams = read_cfb(open(path, "rb").read())
    wd = streams["worddocument"]
    ident, nfib = struct.unpack_from("<HH", wd, 0)
    lid = struct.unpack_from("<H", wd, 6)[0]
    flags = struct.unpack_from("<H", wd, 10)[0]
    if 101 <= nfib <= 105:
        body = word6_text(wd, lid, flags)
    else:
        if ident != 0xA5EC or nfib < 0xC0 or flags & 0x0100:
            raise ValueError("not a readable Word 97 file")
        table = streams["1table" if flags & 0x0200 else "0table"]
        ccp_text = struct.unpack_from("<I", wd, 64 + 12)[0]
        fc_clx, lcb_clx = struct.unpack_from("<II", wd, 154 + 33 * 8)
        text = []
        for count, fc in pieces_of(table[fc_clx:fc_clx + lcb_clx]):
            if fc & 0x40000000:
                off = (fc & 0x3FFFFFFF) // 2
                text.append(wd[off:off + count].decode("cp1252", "replace"))
            else:
                off = fc & 0x3FFFFFFF
                # One character per UTF-16 unit, so positions count as the file counts them.
                units = struct.unpack_from("<%dH" % count, wd, off)
                text.append("".join(chr(u) for u in units))
        body = "".join(text)[:ccp_text]

    out = []
    depth = []  # per open field: True once its result began
    for ch in body:
        o = ord(ch)
        if o == 0x13:
            depth.append(False)
            continue
        if o == 0x14:
            if depth:
                depth[-1] = True
            continue
        if o == 0x15:
            if depth:
                depth.pop()
            continue
        if not all(depth):
            continue
        if o in (0x0D, 0x07, 0x0B, 0x0C, 0x0E):
            out.append("\n")
        elif o == 0x09:
            out.append("\t")
        elif o == 0x1E:
            out.append("\u2011")
        elif o == 0x1F:
            out.append("\u00ad")
        elif o >= 0x20:
            out.append(ch)
    lines = [l.rstrip(" \t") for l in "".join(out).split("\n")]
    joined = "".join(l + "\n" for l in lines if l)
    # Pair the surrogates up again.
    return joined.encode("utf-16-le", "surrogatepass").decode("utf-16-le", "replace")


def main(argv):
    if argv and argv[0] == "--stdout":
        sys.stdout.write(extract(argv[1]))
        return 0
    here = os.path.dirname(os.path.abspath(__file__))
    for path in argv:
        try:
            txt = extract(path)
        except Exception as e:  # refused files get no expected text
            print("skip %s: %s" % (os.path.basename(path), e))
            continue
        with open(os.path.join(here, os.path.basename(path) + ".txt"), "w", encoding="utf-8") as f:
            f.write(txt)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
