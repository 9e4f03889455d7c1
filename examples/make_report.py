#!/usr/bin/env python3
"""Writes examples/report.rtf: a short report with headings, lists, a table, a picture,
a hyperlink, a footnote and a header with the page number. Run from anywhere."""
import os
import struct
import zlib


def png(width, height):
    """A small chart-like picture: blue bars on a pale background."""
    rows = []
    for y in range(height):
        row = bytearray([0])
        for x in range(width):
            bar = (x // 12) % 2 == 0 and y > height - 8 - (x * 7) % (height - 10)
            row += bytes((40, 90, 170)) if bar else bytes((235, 240, 250))
        rows.append(bytes(row))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    pic = png(96, 64).hex()
    pic = "\n".join(pic[i:i + 128] for i in range(0, len(pic), 128))
    border = r"\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10\clbrdrr\brdrs\brdrw10"
    def row(cells, shade=False):
        out = r"\trowd\trgaph108\trleft0"
        for i in range(len(cells)):
            out += border + (r"\clcbpat4" if shade else "") + r"\cellx%d" % (3000 * (i + 1))
        out += "\n\\pard\\plain\\intbl\\s0\\sa0\\f0\\fs22 " + "".join((r"{\b %s}" % c if shade else c) + r"\cell " for c in cells)
        return out + "\\row\n"
    body = r"""{\rtf1\ansi\ansicpg1252\deff0
{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}}
{\colortbl;\red0\green0\blue0;\red31\green73\blue125;\red192\green0\blue0;\red217\green226\blue243;\red255\green255\blue0;}
{\stylesheet{\s0\sa120\f0\fs22 Normal;}{\s1\sb240\sa120\outlinelevel0\b\f0\fs36\cf2 heading 1;}{\s2\sb200\sa80\outlinelevel1\b\f0\fs28\cf2 heading 2;}}
{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23\leveljc0\levelfollow0\levelstartat1{\leveltext\'01\u8226 ?;}{\levelnumbers;}\fi-360\li720}\listid1}
{\list\listtemplateid2{\listlevel\levelnfc0\leveljc0\levelfollow0\levelstartat1{\leveltext\'02\'00.;}{\levelnumbers\'01;}\fi-360\li720}\listid2}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}{\listoverride\listid2\listoverridecount0\ls2}}
\paperw11906\paperh16838\margl1440\margr1440\margt1440\margb1440\headery708\footery708
{\header\pard\qr\f0\fs18 Sample report \endash  page {\field{\*\fldinst PAGE}{\fldrslt 1}}\par}
\pard\plain\s1\sb240\sa120\outlinelevel0\b\f0\fs36\cf2 Quarterly notes\par
\pard\plain\s0\sa120\f0\fs22 This example shows what the engine lays out and paints: headings, lists, a table, a picture and a footnote.{\super\chftn}{\*\footnote\pard\plain\s0\fs18{\super\chftn} Footnotes stand at the foot of their page, below a short separator line.} Text may be {\b bold}, {\i italic}, {\ul underlined}, {\uldb double underlined}, {\strike struck through} or {\highlight5 highlighted}, and a link such as {\field{\*\fldinst HYPERLINK "https://example.com/"}{\fldrslt {\ul\cf2 example.com}}} leads elsewhere.\par
\pard\plain\s2\sb200\sa80\outlinelevel1\b\f0\fs28\cf2 What changed\par
\pard\plain\s0\ls1\ilvl0\fi-360\li720\sa60\f0\fs22 {\listtext\u8226 ?\tab}Pages are painted through one drawing interface.\par
{\listtext\u8226 ?\tab}Tables keep their borders across page breaks.\par
{\listtext\u8226 ?\tab}Footnotes get their separator line.\par
\pard\plain\s0\ls2\ilvl0\fi-360\li720\sa60\f0\fs22 {\listtext 1.\tab}Open the document.\par
{\listtext 2.\tab}Render it to images.\par
\pard\plain\s2\sb200\sa80\outlinelevel1\b\f0\fs28\cf2 Figures\par
""" + row(["Item", "Count", "Note"], True) + row(["Pages", "12", "A4, portrait"]) + row(["Tables", "3", "one split over two pages"]) + row(["Pictures", "1", "the chart below"]) + r"""\pard\plain\s0\sa120\f0\fs22\par
\pard\plain\s0\qc {\pict\pngblip\picw96\pich64\picwgoal1440\pichgoal960
""" + pic + r"""}\par
\pard\plain\s0\qc\i\fs18 A chart drawn as a picture.\par
}
"""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "report.rtf")
    with open(path, "w", newline="\n") as f:
        f.write(body)


if __name__ == "__main__":
    main()
