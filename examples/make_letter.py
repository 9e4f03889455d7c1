#!/usr/bin/env python3
"""make_letter.py: writes letter.docx, the example document the README's first command converts.

It is small but touches what a converter must get right: a header and a footer with page
fields, headings, a bulleted and a numbered list, a table with a repeated header row and
borders, an inline picture, a footnote and a hyperlink. The file is written byte for byte
the same on every run (fixed zip dates), so it can live in git.
"""
import struct
import zipfile
import zlib

W = 'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
R = 'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
DML = ('xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing" '
       'xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" '
       'xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture"')
HEAD = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
MAIN = "application/vnd.openxmlformats-officedocument.wordprocessingml."


def png(width, height):
    """A picture to embed: a blue-to-green band with a white diagonal, RGB, no libraries needed."""
    rows = []
    for y in range(height):
        row = bytearray([0])
        for x in range(width):
            if abs(x * height - y * width) < width * 2:
                row += b"\xff\xff\xff"
            else:
                t = x / (width - 1)
                row += bytes([40, int(90 + 110 * t), int(200 - 120 * t)])
        rows.append(bytes(row))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def run(text, props=""):
    rpr = f"<w:rPr>{props}</w:rPr>" if props else ""
    return f'<w:r>{rpr}<w:t xml:space="preserve">{text}</w:t></w:r>'


def para(content, style=None, props=""):
    ppr = (f'<w:pStyle w:val="{style}"/>' if style else "") + props
    return f"<w:p>{'<w:pPr>' + ppr + '</w:pPr>' if ppr else ''}{content}</w:p>"


def field(instr, shown):
    return (f'<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText xml:space="preserve"> {instr} </w:instrText></w:r>'
            f'<w:r><w:fldChar w:fldCharType="separate"/></w:r>{run(shown)}<w:r><w:fldChar w:fldCharType="end"/></w:r>')


def listed(text, num):
    return para(run(text), "ListParagraph", f'<w:numPr><w:ilvl w:val="0"/><w:numId w:val="{num}"/></w:numPr>')


def cell(text, width, header=False):
    shade = '<w:shd w:val="clear" w:color="auto" w:fill="D9E2F3"/>' if header else ""
    jc = "" if text[:1].isalpha() else '<w:jc w:val="right"/>'
    return (f'<w:tc><w:tcPr><w:tcW w:w="{width}" w:type="dxa"/>{shade}</w:tcPr>'
            f'{para(run(text, "<w:b/>" if header else ""), props=jc)}</w:tc>')


ROWS = [("Item", "Quantity", "Price"), ("Paper, A4, 500 sheets", "4", "18.00"),
        ("Toner cartridge", "1", "64.90"), ("Binding combs", "100", "7.50"), ("Total", "", "90.40")]
GRID = (4800, 1800, 2400)
TABLE = ('<w:tbl><w:tblPr><w:tblW w:w="9000" w:type="dxa"/><w:tblBorders>'
         + "".join(f'<w:{side} w:val="single" w:sz="4" w:space="0" w:color="4472C4"/>'
                   for side in ("top", "left", "bottom", "right", "insideH", "insideV"))
         + '</w:tblBorders><w:tblLook w:val="04A0"/></w:tblPr><w:tblGrid>'
         + "".join(f'<w:gridCol w:w="{w}"/>' for w in GRID) + "</w:tblGrid>"
         + "".join(("<w:tr><w:trPr><w:tblHeader/></w:trPr>" if i == 0 else "<w:tr>")
                   + "".join(cell(t, w, i == 0) for t, w in zip(row, GRID)) + "</w:tr>"
                   for i, row in enumerate(ROWS))
         + "</w:tbl>")

PICTURE = (f'<w:r><w:drawing><wp:inline distT="0" distB="0" distL="0" distR="0"><wp:extent cx="2286000" cy="571500"/>'
           '<wp:docPr id="1" name="Band"/><a:graphic><a:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/picture">'
           '<pic:pic><pic:nvPicPr><pic:cNvPr id="1" name="band.png"/><pic:cNvPicPr/></pic:nvPicPr>'
           '<pic:blipFill><a:blip r:embed="rIdImage"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>'
           '<pic:spPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="2286000" cy="571500"/></a:xfrm>'
           '<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>')

BODY = "".join([
    para(run("A short letter"), "Title"),
    para(run("Dear reader,")),
    para(run("this letter shows what the engine does with an ordinary office document: headings, lists, "
             "a table, a picture, a note at the foot of the page and a link. Every page carries a header "
             "and a footer with its number.")
         + '<w:r><w:rPr><w:rStyle w:val="FootnoteReference"/></w:rPr><w:footnoteReference w:id="1"/></w:r>'),
    para(run("What was ordered"), "Heading1"),
    para(run("The order arrived in one parcel. It held:")),
    listed("paper for the printer in the office,", 1),
    listed("a toner cartridge that fits the old machine,", 1),
    listed("combs for binding the yearly report.", 1),
    TABLE,
    para(run("What happens next"), "Heading1"),
    listed("Check the invoice against the table above.", 2),
    listed("Pay within thirty days.", 2),
    listed("File the receipt with the others.", 2),
    para(run("The picture"), "Heading2"),
    para(PICTURE, props='<w:jc w:val="center"/>'),
    para(run("Prices and terms are on ") + '<w:hyperlink r:id="rIdLink">'
         + run("the supplier's page", '<w:rStyle w:val="Hyperlink"/>') + "</w:hyperlink>" + run(".")),
    para(run("Kind regards")),
    para(run("The office", "<w:i/>")),
    '<w:sectPr><w:headerReference w:type="default" r:id="rIdHeader"/><w:footerReference w:type="default" r:id="rIdFooter"/>'
    '<w:footnotePr><w:numFmt w:val="decimal"/></w:footnotePr>'
    '<w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1417" w:right="1417" w:bottom="1134" w:left="1417" '
    'w:header="708" w:footer="708" w:gutter="0"/></w:sectPr>',
])

DOCUMENT = f"{HEAD}<w:document {W} {R} {DML}><w:body>{BODY}</w:body></w:document>"
HEADER = f"{HEAD}<w:hdr {W} {R}>" + para(run("A short letter"), props='<w:jc w:val="right"/>') + "</w:hdr>"
FOOTER = (f'{HEAD}<w:ftr {W} {R}>' + para(run("Page ") + field("PAGE", "1") + run(" of ") + field("NUMPAGES", "1"),
                                          props='<w:jc w:val="center"/>') + "</w:ftr>")
FOOTNOTES = (f'{HEAD}<w:footnotes {W} {R}>'
             '<w:footnote w:type="separator" w:id="-1"><w:p><w:r><w:separator/></w:r></w:p></w:footnote>'
             '<w:footnote w:type="continuationSeparator" w:id="0"><w:p><w:r><w:continuationSeparator/></w:r></w:p></w:footnote>'
             '<w:footnote w:id="1">' + para('<w:r><w:rPr><w:rStyle w:val="FootnoteReference"/></w:rPr><w:footnoteRef/></w:r>'
                                            + run(" A footnote sits on the page of its reference."), "FootnoteText")
             + "</w:footnote></w:footnotes>")


def style(kind, sid, name, ppr="", rpr="", based="Normal", extra=""):
    return (f'<w:style w:type="{kind}" w:styleId="{sid}"><w:name w:val="{name}"/>'
            + (f'<w:basedOn w:val="{based}"/>' if based else "") + extra
            + (f"<w:pPr>{ppr}</w:pPr>" if ppr else "") + (f"<w:rPr>{rpr}</w:rPr>" if rpr else "") + "</w:style>")


FONT = '<w:rFonts w:ascii="Carlito" w:hAnsi="Carlito" w:cs="Carlito"/>'
STYLES = (f"{HEAD}<w:styles {W}>"
          f'<w:docDefaults><w:rPrDefault><w:rPr>{FONT}<w:sz w:val="22"/><w:lang w:val="en-GB"/></w:rPr></w:rPrDefault>'
          '<w:pPrDefault><w:pPr><w:spacing w:after="160" w:line="259" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults>'
          + style("paragraph", "Normal", "Normal", based=None).replace('w:styleId="Normal"', 'w:default="1" w:styleId="Normal"')
          + style("paragraph", "Title", "Title", '<w:spacing w:after="240"/>', '<w:sz w:val="48"/><w:color w:val="1F3864"/>')
          + style("paragraph", "Heading1", "heading 1", '<w:keepNext/><w:spacing w:before="360" w:after="120"/><w:outlineLvl w:val="0"/>',
                  '<w:b/><w:sz w:val="32"/><w:color w:val="2F5496"/>', extra='<w:next w:val="Normal"/>')
          + style("paragraph", "Heading2", "heading 2", '<w:keepNext/><w:spacing w:before="240" w:after="80"/><w:outlineLvl w:val="1"/>',
                  '<w:b/><w:sz w:val="26"/><w:color w:val="2F5496"/>', extra='<w:next w:val="Normal"/>')
          + style("paragraph", "ListParagraph", "List Paragraph", '<w:spacing w:after="60"/><w:ind w:left="720"/>')
          + style("paragraph", "FootnoteText", "footnote text", '<w:spacing w:after="0"/>', '<w:sz w:val="18"/>')
          + style("character", "FootnoteReference", "footnote reference", rpr='<w:vertAlign w:val="superscript"/>',
                  based=None)
          + style("character", "Hyperlink", "Hyperlink", rpr='<w:color w:val="0563C1"/><w:u w:val="single"/>', based=None)
          + "</w:styles>")


def level(fmt, text, indent):
    return (f'<w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="{fmt}"/><w:lvlText w:val="{text}"/>'
            f'<w:lvlJc w:val="left"/><w:pPr><w:ind w:left="{indent}" w:hanging="360"/></w:pPr>'
            + ('<w:rPr><w:rFonts w:ascii="DejaVu Sans" w:hAnsi="DejaVu Sans"/></w:rPr>' if fmt == "bullet" else "")
            + "</w:lvl>")


NUMBERING = (f"{HEAD}<w:numbering {W}>"
             f'<w:abstractNum w:abstractNumId="0">{level("bullet", "•", 720)}</w:abstractNum>'
             f'<w:abstractNum w:abstractNumId="1">{level("decimal", "%1.", 720)}</w:abstractNum>'
             '<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num><w:num w:numId="2"><w:abstractNumId w:val="1"/></w:num>'
             "</w:numbering>")

CONTENT_TYPES = (f'{HEAD}<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
                 '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
                 '<Default Extension="xml" ContentType="application/xml"/><Default Extension="png" ContentType="image/png"/>'
                 f'<Override PartName="/word/document.xml" ContentType="{MAIN}document.main+xml"/>'
                 f'<Override PartName="/word/styles.xml" ContentType="{MAIN}styles+xml"/>'
                 f'<Override PartName="/word/numbering.xml" ContentType="{MAIN}numbering+xml"/>'
                 f'<Override PartName="/word/footnotes.xml" ContentType="{MAIN}footnotes+xml"/>'
                 f'<Override PartName="/word/header1.xml" ContentType="{MAIN}header+xml"/>'
                 f'<Override PartName="/word/footer1.xml" ContentType="{MAIN}footer+xml"/>'
                 '<Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>'
                 "</Types>")


def rels(items):
    return (f'{HEAD}<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            + "".join(f'<Relationship Id="{i}" Type="{t}" Target="{target}"{mode}/>' for i, t, target, mode in items)
            + "</Relationships>")


PACKAGE_RELS = rels([("rId1", REL + "officeDocument", "word/document.xml", ""),
                     ("rId2", "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
                      "docProps/core.xml", "")])
DOCUMENT_RELS = rels([("rIdStyles", REL + "styles", "styles.xml", ""),
                      ("rIdNumbering", REL + "numbering", "numbering.xml", ""),
                      ("rIdNotes", REL + "footnotes", "footnotes.xml", ""),
                      ("rIdHeader", REL + "header", "header1.xml", ""),
                      ("rIdFooter", REL + "footer", "footer1.xml", ""),
                      ("rIdImage", REL + "image", "media/band.png", ""),
                      ("rIdLink", REL + "hyperlink", "https://example.com/terms", ' TargetMode="External"')])
CORE = (f'{HEAD}<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
        'xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:title>A short letter</dc:title><dc:creator>vyx examples</dc:creator>'
        "</cp:coreProperties>")

FIXED = (1980, 1, 1, 0, 0, 0)
with zipfile.ZipFile("letter.docx", "w", zipfile.ZIP_DEFLATED) as z:
    for name, data in [("[Content_Types].xml", CONTENT_TYPES), ("_rels/.rels", PACKAGE_RELS),
                       ("docProps/core.xml", CORE), ("word/document.xml", DOCUMENT),
                       ("word/_rels/document.xml.rels", DOCUMENT_RELS), ("word/styles.xml", STYLES),
                       ("word/numbering.xml", NUMBERING), ("word/footnotes.xml", FOOTNOTES),
                       ("word/header1.xml", HEADER), ("word/footer1.xml", FOOTER),
                       ("word/media/band.png", png(240, 60))]:
        z.writestr(zipfile.ZipInfo(name, FIXED), data, zipfile.ZIP_DEFLATED)
