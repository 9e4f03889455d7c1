#!/usr/bin/env python3
"""Independent text extraction of HTML files with Python's html.parser.

Writes <name>.txt next to this script for every .html/.htm file of the given
folder: the text a reader should find, in document order, whitespace collapsed,
with a blank wherever a block starts or ends. What it leaves out: script, style,
head, title, noscript, template, iframe, elements with the hidden attribute or
display:none in their style attribute or in a one-class rule of a style element.
Pictures that are neither data: URIs nor files beside the document stand for the
words "Missing Picture"; q elements add a quotation mark at each end.

    python3 extract_text.py /work/shared/corpus/html
"""
import codecs
import html.parser
import os
import re
import sys

SKIP = {"script", "style", "head", "title", "noscript", "template", "iframe", "noembed", "noframes"}
VOID = {"area", "base", "basefont", "br", "col", "embed", "frame", "hr", "img", "input", "link", "meta",
        "param", "source", "wbr"}
BLOCK = {"address", "article", "aside", "blockquote", "body", "br", "caption", "center", "dd", "details", "dir",
         "div", "dl", "dt", "fieldset", "figcaption", "figure", "footer", "form", "h1", "h2", "h3", "h4", "h5",
         "h6", "header", "hr", "html", "legend", "li", "main", "menu", "nav", "ol", "option", "p", "pre",
         "section", "select", "summary", "table", "tbody", "td", "textarea", "tfoot", "th", "thead", "tr", "ul",
         "img"}


def detect(data):
    if data.startswith(codecs.BOM_UTF8):
        return data[3:].decode("utf-8", "replace")
    if data.startswith(codecs.BOM_UTF16_LE):
        return data[2:].decode("utf-16-le", "replace")
    if data.startswith(codecs.BOM_UTF16_BE):
        return data[2:].decode("utf-16-be", "replace")
    head = data[:16384].decode("latin-1").lower()
    for m in re.finditer(r"<meta[^>]*?charset\s*=\s*[\"']?([a-z0-9_:.\-]+)", head):
        name = m.group(1)
        if name.startswith("utf-16") or name in ("utf-8", "utf8", "unicode"):
            break
        try:
            return data.decode(name, "replace")
        except LookupError:
            continue
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return data.decode("cp1252", "replace")


class Extractor(html.parser.HTMLParser):
    def __init__(self, folder, hidden_classes):
        super().__init__(convert_charrefs=True)
        self.folder = folder
        self.hidden_classes = hidden_classes
        self.out = []
        self.stack = []  # (tag, skipping)

    def skipping(self):
        return bool(self.stack) and self.stack[-1][1]

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        style = (a.get("style") or "").replace(" ", "").lower()
        classes = (a.get("class") or "").split()
        skip = (self.skipping() or tag in SKIP or "hidden" in a or "display:none" in style
                or any(c in self.hidden_classes for c in classes))
        if not skip:
            if tag in BLOCK:
                self.out.append(" ")
            if tag == "img":
                src = (a.get("src") or "").strip()
                path = os.path.join(self.folder, src.split("?")[0].split("#")[0])
                if not src.lower().startswith("data:") and not os.path.isfile(path):
                    self.out.append(" Missing Picture ")
            if tag == "q":
                self.out.append('"')
        if tag not in VOID:
            self.stack.append((tag, skip))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID and self.stack and self.stack[-1][0] == tag:
            self.stack.pop()

    def handle_endtag(self, tag):
        for i in range(len(self.stack) - 1, -1, -1):
            if self.stack[i][0] == tag:
                skip = self.stack[i][1]
                del self.stack[i:]
                if not skip:
                    if tag == "q":
                        self.out.append('"')
                    if tag in BLOCK:
                        self.out.append(" ")
                return

    def handle_data(self, data):
        if not self.skipping():
            self.out.append(data)


def hidden_classes(text):
    found = set()
    for m in re.finditer(r"<style[^>]*>(.*?)</style>", text, re.S | re.I):
        for rule in re.finditer(r"([^{}]+)\{([^}]*)\}", m.group(1)):
            if "display:none" in rule.group(2).replace(" ", "").lower():
                sel = rule.group(1).strip()
                if re.fullmatch(r"[a-z0-9]*\.[\w-]+", sel, re.I):
                    found.add(sel.split(".", 1)[1])
    return found


def extract(path):
    text = detect(open(path, "rb").read())
    p = Extractor(os.path.dirname(path), hidden_classes(text))
    p.feed(text)
    p.close()
    return " ".join("".join(p.out).split())


def main():
    folder = sys.argv[1]
    # VYX_EXTRACT_OUT: another folder for the texts (tests make the ones not kept here).
    here = os.environ.get('VYX_EXTRACT_OUT') or os.path.dirname(os.path.abspath(__file__))
    for name in sorted(os.listdir(folder)):
        if name.endswith((".html", ".htm")):
            with open(os.path.join(here, name + ".txt"), "w", encoding="utf-8") as f:
                f.write(extract(os.path.join(folder, name)) + "\n")


if __name__ == "__main__":
    main()
