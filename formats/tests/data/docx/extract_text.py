#!/usr/bin/env python3
"""Independent text extraction of DOCX files, for the reader's corpus test.

Reads the main document part with zipfile and ElementTree (no code of the
engine) and writes one line per file: name, number of words and the FNV-1a
64-bit hash of the words joined by single blanks. Words are the text of the
body's w:t and w:delText elements (WordprocessingML only, not math) in document order, split at white space;
w:tab, w:br, w:cr and the end of each paragraph separate words; w:noBreakHyphen, w:softHyphen and w:sym are their characters. Text boxes
(w:txbxContent), phonetic guides (w:rt) and the primary choice of markup-compatibility blocks
(mc:Choice; the fallback is read) are not body text.

Usage: extract_text.py CORPUS_DIR > expected.tsv
"""
import os
import re
import sys
import zipfile
import xml.etree.ElementTree as ET


WML = ("http://schemas.openxmlformats.org/wordprocessingml/2006/main",
       "http://purl.oclc.org/ooxml/wordprocessingml/main")


# Run content that stands for one character.
SPECIAL = {"noBreakHyphen": "\u2011", "softHyphen": "\u00ad"}


def local(tag):
    return tag.rsplit("}", 1)[-1] if isinstance(tag, str) else ""


def is_wml(tag):
    return isinstance(tag, str) and tag.startswith("{") and tag[1:].split("}", 1)[0] in WML


def main_part(z):
    rels = ET.fromstring(z.read("_rels/.rels"))
    for rel in rels:
        if rel.get("Type", "").endswith("/officeDocument"):
            return rel.get("Target").lstrip("/")
    raise ValueError("no main document")


def walk(node, out):
    # An explicit stack: some files nest deeper than Python's recursion limit.
    stack = [(node, False)]
    while stack:
        n, closing = stack.pop()
        name = local(n.tag)
        if closing:
            out.append(" ")
            continue
        if name in ("txbxContent", "Choice", "instrText", "rt"):
            continue
        if is_wml(n.tag) and name in SPECIAL:
            out.append(SPECIAL[name])
            continue
        if is_wml(n.tag) and name == "sym":
            code = int(n.get("{%s}char" % n.tag[1:].split("}", 1)[0], "0"), 16)
            out.append(chr(code - 0xF000 if code >= 0xF000 else code) if code else "")
            continue
        if name in ("t", "delText") and is_wml(n.tag):
            out.append(n.text or "")
            continue
        if name in ("tab", "br", "cr") and is_wml(n.tag):
            out.append(" ")
            continue
        if name == "p":
            stack.append((n, True))
        for child in reversed(list(n)):
            stack.append((child, False))


def fnv1a64(data):
    h = 0xcbf29ce484222325
    for b in data:
        h ^= b
        h = (h * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
    return h


def words_of(path):
    with zipfile.ZipFile(path) as z:
        root = ET.fromstring(z.read(main_part(z)))
    body = next((c for c in root if local(c.tag) == "body"), None)
    out = []
    if body is not None:
        walk(body, out)
    return re.split(r"\s+", "".join(out).strip()) if "".join(out).strip() else []


def main():
    corpus = sys.argv[1]
    for name in sorted(os.listdir(corpus)):
        try:
            words = words_of(os.path.join(corpus, name))
        except Exception as e:  # noqa: BLE001 - any failure marks the file unreadable
            print("%s\terror\t%s" % (name, type(e).__name__))
            continue
        text = " ".join(words)
        print("%s\t%d\t%016x" % (name, len(words), fnv1a64(text.encode("utf-8"))))


if __name__ == "__main__":
    main()
