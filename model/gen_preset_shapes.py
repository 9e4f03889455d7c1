#!/usr/bin/env python3
"""gen_preset_shapes.py: turns the preset geometry table into C++ constant arrays.

    gen_preset_shapes.py <presetShapeDefinitions.xml> <output.inc>

The output is included by model/VYXPresetShapes.cpp, which declares the record
types it fills (TPresetGuideRec, TPresetCmdRec, TPresetPathRec,
TPresetHandleRec, TPresetConnectRec, TPresetShapeRec), so the library carries
the definitions as data and needs no XML reader at run time.

Reading rules (the interpreter relies on them):
- element names lose their namespace; entities are not used by the table;
- a guide is a <gd> with both "name" and "fmla"; its formula splits on blanks
  into an operator and at most three arguments;
- a path command keeps its points as x/y pairs ("0" where one is missing); an
  arc keeps wR hR stAng swAng;
- the last <pos> of a handle or connection site wins, a repeated avLst or
  gdLst replaces the earlier one, repeated pathLst elements add paths;
- the first definition of a name wins (the published list repeats one);
- upArrow, which the published list lacks, is added as the mirror image of
  downArrow.
Shapes come out sorted by name (bytewise), so the interpreter binary-searches them.
"""
import sys
import xml.etree.ElementTree as ET

# The one preset the published definitions lack: the mirror image of downArrow.
UP_ARROW = """<upArrow>
<avLst><gd name="adj1" fmla="val 50000"/><gd name="adj2" fmla="val 50000"/></avLst>
<gdLst><gd name="maxAdj2" fmla="*/ 100000 h ss"/><gd name="a1" fmla="pin 0 adj1 100000"/>
<gd name="a2" fmla="pin 0 adj2 maxAdj2"/><gd name="dy2" fmla="*/ ss a2 100000"/>
<gd name="y2" fmla="+- t dy2 0"/><gd name="dx1" fmla="*/ w a1 200000"/>
<gd name="x1" fmla="+- hc 0 dx1"/><gd name="x2" fmla="+- hc dx1 0"/>
<gd name="dy1" fmla="*/ x1 dy2 wd2"/><gd name="y1" fmla="+- y2 0 dy1"/></gdLst>
<pathLst><path><moveTo><pt x="l" y="y2"/></moveTo><lnTo><pt x="hc" y="t"/></lnTo>
<lnTo><pt x="r" y="y2"/></lnTo><lnTo><pt x="x2" y="y2"/></lnTo><lnTo><pt x="x2" y="b"/></lnTo>
<lnTo><pt x="x1" y="b"/></lnTo><lnTo><pt x="x1" y="y2"/></lnTo><close/></path></pathLst>
</upArrow>"""

# Must match TCmdKind in VYXPresetShapes.cpp.
CMD_KINDS = {"moveTo": "ckMove", "lnTo": "ckLine", "arcTo": "ckArc",
             "quadBezTo": "ckQuad", "cubicBezTo": "ckCubic", "close": "ckClose"}


def local(tag):
    return tag.rsplit("}", 1)[-1]


def guides(node):
    out = []
    for gd in node:
        name, fmla = gd.get("name"), gd.get("fmla")
        if local(gd.tag) != "gd" or name is None or fmla is None:
            continue
        tokens = [t for t in fmla.split(" ") if t][:4]
        tokens += [""] * (4 - len(tokens))
        out.append((name, tokens[0], tokens[1:4]))
    return out


def pos(node):
    x = y = ""
    for kid in node:
        if local(kid.tag) == "pos":
            x, y = kid.get("x", ""), kid.get("y", "")
    return x, y


def path(node):
    p = {"w": float(node.get("w", "0")), "h": float(node.get("h", "0")),
         "nofill": node.get("fill") == "none", "nostroke": node.get("stroke") in ("false", "0"),
         "cmds": []}
    for c in node:
        kind = CMD_KINDS.get(local(c.tag))
        if kind is None:
            continue
        if kind == "ckArc":
            args = [c.get(a, "0") for a in ("wR", "hR", "stAng", "swAng")]
        else:
            args = []
            for pt in c:
                args += [pt.get("x", "0"), pt.get("y", "0")]
        p["cmds"].append((kind, args))
    return p


def shape(node):
    s = {"av": [], "gd": [], "rect": None, "handles": [], "cxns": [], "paths": []}
    for kid in node:
        tag = local(kid.tag)
        if tag == "avLst":
            s["av"] = guides(kid)
        elif tag == "gdLst":
            s["gd"] = guides(kid)
        elif tag == "rect":
            s["rect"] = [kid.get(side, "") for side in ("l", "t", "r", "b")]
        elif tag == "ahLst":
            s["handles"] = []
            for h in kid:
                htag = local(h.tag)
                if htag == "ahXY":
                    keys = ("gdRefX", "minX", "maxX", "gdRefY", "minY", "maxY")
                elif htag == "ahPolar":
                    keys = ("gdRefR", "minR", "maxR", "gdRefAng", "minAng", "maxAng")
                else:
                    continue
                s["handles"].append((htag == "ahPolar", [h.get(k, "") for k in keys], pos(h)))
        elif tag == "cxnLst":
            for c in kid:
                if local(c.tag) == "cxn":
                    s["cxns"].append((c.get("ang", ""), pos(c)))
        elif tag == "pathLst":
            s["paths"] += [path(p) for p in kid if local(p.tag) == "path"]
    return s


def c_str(text):
    if any(ch in text for ch in '"\\') or not text.isprintable() or not text.isascii():
        raise SystemExit(f"unexpected characters in preset data: {text!r}")
    return f'"{text}"'


def c_double(value):
    text = repr(float(value))
    return text if ("." in text or "e" in text) else text + ".0"


def emit(shapes, out):
    guide_rows, arg_rows, cmd_rows, path_rows, handle_rows, cxn_rows, shape_rows = ([] for _ in range(7))

    def add_guides(items):
        first = len(guide_rows)
        for name, op, args in items:
            guide_rows.append("{%s, %s, {%s}}" % (c_str(name), c_str(op), ", ".join(map(c_str, args))))
        return first, len(items)

    for name in sorted(shapes, key=lambda n: n.encode()):
        s = shapes[name]
        av = add_guides(s["av"])
        gd = add_guides(s["gd"])
        first_path = len(path_rows)
        for p in s["paths"]:
            first_cmd = len(cmd_rows)
            for kind, args in p["cmds"]:
                cmd_rows.append("{%s, %d, %d}" % (kind, len(arg_rows), len(args)))
                arg_rows.extend(c_str(a) for a in args)
            path_rows.append("{%s, %s, %s, %s, %d, %d}" % (
                c_double(p["w"]), c_double(p["h"]), str(p["nofill"]).lower(), str(p["nostroke"]).lower(),
                first_cmd, len(p["cmds"])))
        first_handle = len(handle_rows)
        for polar, refs, (x, y) in s["handles"]:
            handle_rows.append("{%s, {%s}, %s, %s}" % (str(polar).lower(), ", ".join(map(c_str, refs)),
                                                       c_str(x), c_str(y)))
        first_cxn = len(cxn_rows)
        for ang, (x, y) in s["cxns"]:
            cxn_rows.append("{%s, %s, %s}" % (c_str(ang), c_str(x), c_str(y)))
        rect = s["rect"] or ["", "", "", ""]
        shape_rows.append("{%s, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, {%s}}" % (
            c_str(name), av[0], av[1], gd[0], gd[1], first_path, len(s["paths"]),
            first_handle, len(s["handles"]), first_cxn, len(s["cxns"]), ", ".join(map(c_str, rect))))

    def array(decl, rows):
        # An empty array is not valid C++; a table without rows gets one unused row.
        body = ",\n".join("    " + r for r in rows) if rows else "    {}"
        out.write(f"constexpr {decl}[] = {{\n{body},\n}};\n")

    out.write("// Generated by model/gen_preset_shapes.py from the preset geometry table; do not edit.\n")
    array("TPresetGuideRec cPresetGuides", guide_rows)
    array("const char* cPresetCmdArgs", arg_rows)
    array("TPresetCmdRec cPresetCmds", cmd_rows)
    array("TPresetPathRec cPresetPaths", path_rows)
    array("TPresetHandleRec cPresetHandles", handle_rows)
    array("TPresetConnectRec cPresetConnects", cxn_rows)
    array("TPresetShapeRec cPresetShapes", shape_rows)


def main(argv):
    if len(argv) != 3:
        raise SystemExit("usage: gen_preset_shapes.py <presetShapeDefinitions.xml> <output.inc>")
    root = ET.parse(argv[1]).getroot()
    shapes = {}
    for node in list(root) + [ET.fromstring(UP_ARROW)]:
        shapes.setdefault(local(node.tag), shape(node))
    if len(shapes) < 100:
        raise SystemExit(f"{argv[1]}: only {len(shapes)} preset shapes; the table looks damaged")
    # Write through a temporary name so an interrupted run leaves no half file behind,
    # and keep the old file when nothing changed so dependants are not rebuilt.
    import io
    import os
    text = io.StringIO()
    emit(shapes, text)
    try:
        with open(argv[2], encoding="utf-8") as old:
            if old.read() == text.getvalue():
                return
    except FileNotFoundError:
        pass
    with open(argv[2] + ".tmp", "w", encoding="utf-8") as f:
        f.write(text.getvalue())
    os.replace(argv[2] + ".tmp", argv[2])


if __name__ == "__main__":
    main(sys.argv)
