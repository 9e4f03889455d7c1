#!/usr/bin/env python3
"""Writes a 100-page RTF document (prose, headings, a bordered table every few pages)
for timing `vyx render` as a whole process: make_paint_doc.py OUT.rtf [PAGES]."""
import sys

PROSE = ("The quick brown fox jumps over the lazy dog while the committee debates the merits of "
         "typographic tradition, the width of margins, and whether justified text should ever "
         "leave rivers of white running down the page of a carefully printed book. ")


def main():
    out = sys.argv[1]
    pages = int(sys.argv[2]) if len(sys.argv) > 2 else 128  # sections: about 100 pages
    parts = [r"{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}" "\n"
             r"\paperw11906\paperh16838\margl1440\margr1440\margt1440\margb1440" "\n"]
    border = r"\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10\clbrdrr\brdrs\brdrw10"
    for p in range(pages):
        parts.append(r"\pard\plain\sb240\sa120\b\fs32 Section %d\par" "\n" % (p + 1))
        for i in range(5):
            parts.append(r"\pard\plain\qj\sa120\fs20 " + PROSE * 3 +
                         r"{\b\ul marked words} and the end of the paragraph.\par" "\n")
        if p % 3 == 0:
            for r in range(3):
                parts.append(r"\trowd\trgaph108" + "".join(border + r"\cellx%d" % (3000 * (c + 1)) for c in range(3)))
                parts.append(r"\pard\plain\intbl\fs20 " + "".join("Cell %d.%d\\cell " % (r, c) for c in range(3)) + "\\row\n")
    parts.append(r"\pard\par}")
    with open(out, "w") as f:
        f.write("".join(parts))


if __name__ == "__main__":
    main()
