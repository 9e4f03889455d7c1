#!/usr/bin/env python3
"""odt_text.py: the text of OpenDocument text files, straight from their XML.

An extraction independent of the C++ reader, for its corpus test: it walks
content.xml (or a flat .fodt) with ElementTree and writes, per file,
expected/<name>.txt: the body's paragraphs one per line (table cells' paragraphs
in row order, line breaks as \\v, tabs as \\t), a line "----", then the text of
the footnotes and of the endnotes. Empty lines are left out. Text boxes, headers,
footers and comments are not part of it.

Blank handling follows the format's rule: runs of blanks collapse to one space,
blanks at a paragraph's start and end go, text:s/text:tab/text:line-break are
explicit.

Usage: odt_text.py <corpus-folder> <output-folder>
"""
import os
import sys
import zipfile
import xml.etree.ElementTree as ET

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "draw": "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0",
    "form": "urn:oasis:names:tc:opendocument:xmlns:form:1.0",
    "presentation": "urn:oasis:names:tc:opendocument:xmlns:presentation:1.0",
}
PREFIX = {v: k for k, v in NS.items()}


def name(el):
    tag = el.tag
    if tag[0] == "{":
        uri, local = tag[1:].split("}", 1)
        return PREFIX.get(uri, uri) + ":" + local
    return tag


def attr(el, qname, default=None):
    prefix, local = qname.split(":")
    return el.get("{%s}%s" % (NS[prefix], local), default)


def count(el, qname):
    v = attr(el, qname)
    try:
        return max(1, int(v)) if v is not None else 1
    except ValueError:
        return 1


SKIP = {
    "office:annotation", "office:annotation-end", "text:note-citation", "text:number", "text:ruby-text",
    "text:tracked-changes", "text:change", "text:change-start", "text:change-end",
    "text:soft-page-break", "text:toc-mark", "text:alphabetical-index-mark", "text:user-index-mark",
    "text:reference-mark", "presentation:notes", "text:sequence-decls", "text:variable-decls",
    "text:user-field-decls",
}
FIELDS = {"text:page-number", "text:page-count", "text:date", "text:time", "text:file-name",
          "text:author-name", "text:initial-creator"}
BLANKS = " \t\r\n"


def field_text(el):
    out = el.text or ""
    for c in el:
        n = name(c)
        if n == "text:s":
            out += " " * count(c, "text:c")
        elif n == "text:tab":
            out += "\t"
        else:
            out += field_text(c)
        out += c.tail or ""
    return out


class Para:
    def __init__(self):
        self.text = ""
        self.due = False
        self.start = True

    def add(self, s):
        for ch in s:
            if ch in BLANKS:
                if not self.start:
                    self.due = True
                continue
            if self.due:
                self.text += " "
            self.due = False
            self.start = False
            self.text += ch

    def literal(self, s):
        if not s:
            return
        if self.due:
            self.text += " "
        self.due = False
        self.start = False
        self.text += s

    def before_object(self):
        if self.due:
            self.due = False
            self.literal(" ")
        self.start = False


class Extractor:
    def __init__(self):
        self.body = []
        self.footnotes = []
        self.endnotes = []
        self.in_note = False

    def blocks(self, el, out):
        for c in el:
            self.block(c, out)

    def block(self, el, out):
        n = name(el)
        if n in ("text:p", "text:h"):
            self.paragraph(el, out)
        elif n == "text:list":
            for item in el:
                if name(item) in ("text:list-item", "text:list-header"):
                    self.blocks(item, out)
        elif n == "text:numbered-paragraph":
            for c in el:
                if name(c) in ("text:p", "text:h"):
                    self.paragraph(c, out)
        elif n == "table:table":
            self.table(el, out)
        elif n in ("text:section", "text:index-body", "text:index-title", "office:text",
                   "text:deletion-placeholder"):
            self.blocks(el, out)
        elif n.startswith("text:") and el.find("text:index-body", NS) is not None:
            self.blocks(el.find("text:index-body", NS), out)
        elif n in ("draw:frame", "draw:a"):
            p = Para()
            self.inline(el, p)
            out.append(p.text)

    def rows(self, el, out):
        for c in el:
            n = name(c)
            if n == "table:table-row":
                out.extend([c] * count(c, "table:number-rows-repeated"))
            elif n in ("table:table-header-rows", "table:table-rows", "table:table-row-group"):
                self.rows(c, out)

    def table(self, el, out):
        rows = []
        self.rows(el, rows)
        for r in rows:
            for c in r:
                if name(c) == "table:table-cell":
                    for _ in range(count(c, "table:number-columns-repeated")):
                        self.blocks(c, out)

    def paragraph(self, el, out):
        p = Para()
        self.inline(el, p)
        out.append(p.text)

    def inline(self, el, p):
        p.add(el.text or "")
        for c in el:
            self.element(c, p)
            p.add(c.tail or "")

    def element(self, el, p):
        n = name(el)
        if n == "text:s":
            p.literal(" " * count(el, "text:c"))
        elif n == "text:tab":
            p.before_object()
            p.text += "\t"
        elif n == "text:line-break":
            p.before_object()
            p.text += "\v"
            p.start = True
        elif n == "text:a":
            p.before_object()
            self.inline(el, p)
        elif n in ("text:bookmark", "text:bookmark-start", "text:bookmark-end"):
            if attr(el, "text:name"):
                p.before_object()
        elif n == "text:note":
            body = el.find("text:note-body", NS)
            if body is None:
                return
            if self.in_note:
                p.add(field_text(body))
                return
            p.before_object()
            target = self.endnotes if attr(el, "text:note-class") == "endnote" else self.footnotes
            self.in_note = True
            self.blocks(body, target)
            self.in_note = False
        elif n in FIELDS:
            p.before_object()
            p.text += field_text(el)
        elif n == "draw:frame":
            if el.find("draw:text-box", NS) is not None:
                p.before_object()
        elif n == "draw:a":
            self.inline(el, p)
        elif n in SKIP or n.startswith("draw:") or n.startswith("form:"):
            pass
        elif n in ("text:hidden-text", "text:hidden-paragraph"):
            if attr(el, "text:is-hidden") != "true":
                self.inline(el, p)
        else:
            self.inline(el, p)


def extract(path):
    if path.endswith(".fodt"):
        root = ET.parse(path).getroot()
    else:
        with zipfile.ZipFile(path) as z:
            manifest = z.read("META-INF/manifest.xml") if "META-INF/manifest.xml" in z.namelist() else b""
            if b"encryption-data" in manifest:
                return None
            root = ET.fromstring(z.read("content.xml"))
    body = root.find("office:body/office:text", NS)
    x = Extractor()
    if body is not None:
        x.blocks(body, x.body)
    squeeze = lambda lines: "".join(line + "\n" for line in lines if line)
    return squeeze(x.body) + "----\n" + squeeze(x.footnotes) + squeeze(x.endnotes)


def main():
    src, dst = sys.argv[1], sys.argv[2]
    os.makedirs(dst, exist_ok=True)
    for f in sorted(os.listdir(src)):
        text = extract(os.path.join(src, f))
        if text is not None:
            with open(os.path.join(dst, f + ".txt"), "w", encoding="utf-8", newline="\n") as out:
                out.write(text)


if __name__ == "__main__":
    main()
