#!/usr/bin/env python3
"""nyq_xsdgen.py: turns XML Schema files into the C++ schema classes of formats/schema/.

Every complex type becomes a class TCT_<Type> on TNYQBase, every enumerated
simple type an enum TST_<Type> whose values carry the type's initials
("st" + "tm" for ST_TargetMode: sttmExternal, sttmInternal), and the global
elements of complex type become the children of one document class on
TNYQDocBase. Element and attribute names are dispatched on CalcHash_A of the
local name and then compared in full, so hash collisions cost nothing but a
second comparison.

Mapping chosen here:
- optional attributes are std::optional<T> (absent stays absent on writing);
  required ones are plain values and always written;
- a child element that occurs at most once is an owned object created on first
  use (Create_<Name>); a repeated one (maxOccurs > 1 on the element or on an
  enclosing sequence or choice) is a TItemNyqList;
- children of simple type are TNYQValueElement objects holding their text;
- xsd:any keeps the unknown elements as TNYQAnyElements to write them back;
- sequences, choices, all and group references are flattened into the type
  that uses them; complexContent extensions take the base type's members first.

Not supported: element groups as classes of their own (TEG_*), substitution
groups, abstract types, restrictions of complex types, mixed content beyond
the text before the first child, attribute defaults.

Closed mode (--root given): only the complex types reachable from the root
elements get classes, for large schema sets of which a reader uses a part.
There:
- elements of an --opaque namespace, of a namespace whose schema is not
  loaded, and of anonymous complex types are kept as TNYQAnyElement;
- a wildcard (xsd:any) admits the root elements of the namespaces it names
  as their own classes (this is how pictures under a graphic's data and VML
  under a picture are typed); every other element it admits, and every
  element a class does not know, is kept in the class's FAny open list (the
  latter reported as unknown), so a round trip writes it back, after the
  class's known children;
- the document class writes back the root's namespace declarations;
- classes are split into units by namespace (--group NS=NAME): <unit>.h holds
  the enumerations, forward declarations and the document class,
  <unit><NAME>.h a group's classes, and <unit><NAME><n>.cpp about --chunk
  lines each, so the units compile in parallel and none is huge;
- --extern-enum TST_X=HEADER takes an enumeration the project already
  defines (the generated values it lacks are not admitted).

Usage:
  nyq_xsdgen.py --unit NAME --doc CLASS [--prefix NS=PFX ...] --out DIR [--include DIR] XSD...
  nyq_xsdgen.py ... --root PFX:NAME ... [--opaque NS ...] [--group NS=NAME ...] [--chunk N]
  nyq_xsdgen.py ... --check     (exit 1 when the files in DIR differ)
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET

XS = "{http://www.w3.org/2001/XMLSchema}"

INT_TYPES = {"int", "short", "byte"}
# Unbounded integers hold EMU coordinates and other values past 2^31.
LONG_TYPES = {"integer", "long", "nonNegativeInteger", "positiveInteger", "negativeInteger", "nonPositiveInteger"}
UINT_TYPES = {"unsignedInt", "unsignedShort", "unsignedByte", "hexBinary_u32"}
ULONG_TYPES = {"unsignedLong"}
INT32_RANGE = (-2**31, 2**31 - 1)
UINT32_RANGE = (0, 2**32 - 1)
FLOAT_TYPES = {"double", "float", "decimal"}
DATE_TYPES = {"dateTime", "date", "time"}


def hash_a(name):
    total = 0
    for unit in name.encode("utf-16-le"):
        total += unit
    return total


def cap(name):
    name = re.sub(r"[^0-9A-Za-z_]", "_", name)
    return name[:1].upper() + name[1:]


def initials(type_name):
    base = type_name[3:] if type_name.startswith("ST_") else type_name
    caps = "".join(c for c in base if c.isupper())
    return "st" + (caps or base[:1]).lower()


class Schema:
    """All schema files, indexed by namespace and name."""

    def __init__(self, files):
        self.complex = {}   # (ns, name) -> element
        self.simple = {}    # (ns, name) -> element
        self.elements = {}  # (ns, name) -> element (global)
        self.groups = {}
        self.attr_groups = {}
        self.attributes = {}
        self.form = {}      # ns -> (elementFormDefault qualified, attributeFormDefault qualified)
        self.order = []     # complex types in file order
        self.simple_order = []
        self.roots = []     # global elements in file order
        for f in files:
            root = ET.parse(f).getroot()
            ns = root.get("targetNamespace", "")
            self.form[ns] = (root.get("elementFormDefault") == "qualified",
                             root.get("attributeFormDefault") == "qualified")
            prefixes = {}
            with open(f, encoding="utf-8") as fh:
                for m in re.finditer(r'xmlns(?::(\w+))?="([^"]*)"', fh.read()):
                    prefixes[m.group(1) or ""] = m.group(2)
            for child in root:
                child.set("{nyq}ns", ns)
                child.set("{nyq}prefixes", repr(prefixes))
                name = child.get("name")
                tag = child.tag
                if tag == XS + "complexType":
                    self.complex[(ns, name)] = child
                    self.order.append((ns, name))
                elif tag == XS + "simpleType":
                    self.simple[(ns, name)] = child
                    self.simple_order.append((ns, name))
                elif tag == XS + "element":
                    self.elements[(ns, name)] = child
                    self.roots.append((ns, name))
                elif tag == XS + "group":
                    self.groups[(ns, name)] = child
                elif tag == XS + "attributeGroup":
                    self.attr_groups[(ns, name)] = child
                elif tag == XS + "attribute":
                    self.attributes[(ns, name)] = child

    @staticmethod
    def resolve(node, qname):
        """A QName of the schema text as (namespace, local name)."""
        prefixes = eval(node_root_attr(node, "{nyq}prefixes"))
        if ":" in qname:
            p, local = qname.split(":", 1)
        else:
            p, local = "", qname
        # The xml prefix is bound without a declaration (xml:space, xml:lang).
        if p == "xml":
            return "http://www.w3.org/XML/1998/namespace", local
        return prefixes.get(p, ""), local


PARENTS = {}


def node_root_attr(node, attr):
    while node is not None:
        if node.get(attr) is not None:
            return node.get(attr)
        node = PARENTS.get(node)
    return ""


def index_parents(tree_root):
    for parent in tree_root.iter():
        for child in parent:
            PARENTS[child] = parent


class Generator:
    def __init__(self, schema, prefixes, closed=False, opaque=(), roots=()):
        self.s = schema
        self.prefixes = prefixes  # namespace -> prefix used when writing
        self.closed = closed      # only the types reachable from roots; unknown kept
        self.opaque = set(opaque)
        self.root_elems = list(roots)  # (ns, name, tns, tname) of the root elements
        self.enums = {}           # (ns, name) -> (cpp name, prefix, [values])
        self.classes = []         # (cpp name, attrs, children, any, text)
        self.prefixes_used = set()
        # C++ names: a type name defined in several namespaces keeps its plain
        # name in the first file and gets a namespace tag in the others.
        self.cpp_names = {}
        used = set()
        for ns, name in schema.order + schema.simple_order:
            cand = "T" + name
            if cand in used:
                cand += "_" + self.ns_tag(ns)
            while cand in used:
                cand += "_"
            used.add(cand)
            self.cpp_names[(ns, name)] = cand

    def ns_tag(self, ns):
        if self.prefixes.get(ns):
            return self.prefixes[ns]
        parts = [p for p in ns.split("/") if p and not p.isdigit() and p not in ("http:", "https:", "main")]
        return re.sub(r"[^0-9A-Za-z]", "_", parts[-1] if parts else "ns")

    def cpp_name(self, ns, name):
        return self.cpp_names.get((ns, name), "T" + name)

    # --- simple types -----------------------------------------------------
    def simple_kind(self, ns, name, depth=0):
        """('enum', key) or ('string'|'int'|'uint'|'float'|'bool'|'date', None)."""
        if ns == "http://www.w3.org/2001/XMLSchema" or (ns, name) not in self.s.simple or depth > 20:
            if name in INT_TYPES:
                return ("int", None)
            if name in LONG_TYPES:
                return ("long", None)
            if name in UINT_TYPES:
                return ("uint", None)
            if name in ULONG_TYPES:
                return ("ulong", None)
            if name in FLOAT_TYPES:
                return ("float", None)
            if name == "boolean":
                return ("bool", None)
            if name in DATE_TYPES:
                return ("date", None)
            return ("string", None)
        node = self.s.simple[(ns, name)]
        restr = node.find(XS + "restriction")
        if restr is None:
            return ("string", None)  # unions and lists stay text
        if restr.findall(XS + "enumeration"):
            self.enum_for(ns, name, restr)
            return ("enum", (ns, name))
        base = restr.get("base")
        if base:
            bns, bname = Schema.resolve(restr, base)
            return self.narrowed(self.simple_kind(bns, bname, depth + 1), restr)
        return ("string", None)

    @staticmethod
    def narrowed(kind, restr):
        """A 64-bit kind whose restriction bounds it to 32 bits becomes the 32-bit kind."""
        if kind[0] not in ("long", "ulong"):
            return kind
        bounds = {}
        for facet in ("minInclusive", "maxInclusive"):
            node = restr.find(XS + facet)
            if node is not None:
                try:
                    bounds[facet] = int(node.get("value"))
                except (TypeError, ValueError):
                    return kind
        lo, hi = bounds.get("minInclusive"), bounds.get("maxInclusive")
        if kind[0] == "ulong" and hi is not None and hi <= UINT32_RANGE[1]:
            return ("uint", None)
        if lo is not None and hi is not None and lo >= INT32_RANGE[0] and hi <= INT32_RANGE[1]:
            return ("int", None)
        return kind

    def enum_for(self, ns, name, restr):
        if (ns, name) in self.enums:
            return
        # Enumerators share one C++ scope, so a prefix taken by another type
        # grows: first two letters of each word, then a number.
        base = name[3:] if name.startswith("ST_") else name
        words = re.findall(r"[A-Z][a-z0-9]*|[a-z0-9]+", base) or [base]
        candidates = [initials(name), "st" + "".join(w[:2].lower() for w in words)]
        prefix = next((p for p in candidates if p not in self.prefixes_used), None)
        k = 2
        while prefix is None:
            if candidates[0] + str(k) not in self.prefixes_used:
                prefix = candidates[0] + str(k)
            k += 1
        self.prefixes_used.add(prefix)
        values, seen = [], set()
        for e in restr.findall(XS + "enumeration"):
            text = e.get("value")
            ident = prefix + cap(text) if text else prefix + "Empty"
            while ident in seen:
                ident += "_"
            seen.add(ident)
            values.append((ident, text))
        self.enums[(ns, name)] = (self.cpp_name(ns, name), prefix, values)

    # --- complex types ----------------------------------------------------
    def collect(self, node, repeated, attrs, children, state, depth=0):
        """Walks a content model, appending attributes and child elements."""
        if depth > 50:
            return
        for c in node:
            tag = c.tag
            many = repeated or c.get("maxOccurs", "1") not in ("0", "1")
            if tag in (XS + "sequence", XS + "choice", XS + "all"):
                self.collect_compositor(c, many and not repeated, many, "", attrs, children, state, depth)
            elif tag == XS + "group":
                key = Schema.resolve(c, c.get("ref"))
                if key in self.s.groups:
                    self.collect_compositor(self.s.groups[key], many and not repeated, many, key[1], attrs,
                                            children, state, depth)
            elif tag == XS + "element":
                self.add_element(c, many, children)
            elif tag == XS + "any":
                state["any"] = True
                state.setdefault("any_ns", []).append(c.get("namespace", "##any"))
            elif tag == XS + "attribute":
                self.add_attribute(c, attrs)
            elif tag == XS + "attributeGroup":
                key = Schema.resolve(c, c.get("ref"))
                if key in self.s.attr_groups:
                    self.collect(self.s.attr_groups[key], False, attrs, children, state, depth + 1)
            elif tag in (XS + "complexContent", XS + "simpleContent"):
                for ext in c:
                    if ext.tag not in (XS + "extension", XS + "restriction"):
                        continue
                    base = Schema.resolve(ext, ext.get("base"))
                    if base in self.s.complex:
                        self.collect(self.s.complex[base], repeated, attrs, children, state, depth + 1)
                    elif tag == XS + "simpleContent":
                        state["text"] = True
                    self.collect(ext, repeated, attrs, children, state, depth + 1)

    def collect_compositor(self, node, starts_repeat, many, group_name, attrs, children, state, depth):
        """A compositor that repeats and holds several elements keeps their
        order in one choice list; otherwise its elements are flattened."""
        if not starts_repeat:
            self.collect(node, many, attrs, children, state, depth + 1)
            return
        members = []
        self.collect(node, True, attrs, members, state, depth + 1)
        plain = [m for m in members if m.get("kind") != "choice"]
        if len(members) <= 1 or len(plain) != len(members):
            children.extend(members)
            return
        state["choices"] = state.get("choices", 0) + 1
        name = group_name or ("Choice%d" % state["choices"])
        children.append({"kind": "choice", "name": name, "ns": "", "members": members, "many": True})

    def add_element(self, node, many, children):
        ref = node.get("ref")
        if ref:
            ns, name = Schema.resolve(node, ref)
            decl = self.s.elements.get((ns, name))
            type_name = decl.get("type") if decl is not None else None
            type_node = decl
        else:
            ns = node_root_attr(node, "{nyq}ns") if self.s.form.get(node_root_attr(node, "{nyq}ns"), (False,))[0] else ""
            name = node.get("name")
            type_name = node.get("type")
            type_node = node
        if type_name:
            tns, tname = Schema.resolve(type_node, type_name)
        else:
            tns, tname = "", "string"
        kind = "class" if (tns, tname) in self.s.complex else "value"
        if self.closed:
            unresolved = (ref and decl is None) or (type_node is not None and not type_name
                                                     and type_node.find(XS + "complexType") is not None)
            if unresolved or ns in self.opaque or (kind == "value" and tns not in self.s.form
                                                   and tns != "http://www.w3.org/2001/XMLSchema"):
                kind = "any"
        for existing in children:
            if existing.get("kind") != "choice" and existing["name"] == name and existing["ns"] == ns:
                existing["many"] = True
                return
        ctype = {"class": self.cpp_name(tns, tname), "any": "TNYQAnyElement"}.get(kind, "TNYQValueElement")
        children.append({"kind": "element", "name": name, "ns": ns, "type": ctype, "many": many,
                         "key": (tns, tname) if kind == "class" else None})

    def add_attribute(self, node, attrs):
        ref = node.get("ref")
        if ref:
            ns, name = Schema.resolve(node, ref)
            decl = self.s.attributes.get((ns, name))
            type_name = decl.get("type") if decl is not None else "xsd:string"
            type_node = decl if decl is not None else node
            qualified = True
        else:
            ns = node_root_attr(node, "{nyq}ns")
            name = node.get("name")
            type_name = node.get("type")
            type_node = node
            qualified = self.s.form.get(ns, (False, False))[1]
        if type_name:
            tns, tname = Schema.resolve(type_node, type_name)
        else:
            inner = node.find(XS + "simpleType")
            tns, tname = "", "string"
            if inner is not None and inner.find(XS + "restriction") is not None:
                restr = inner.find(XS + "restriction")
                tns, tname = Schema.resolve(restr, restr.get("base") or "xsd:string")
        kind, key = self.simple_kind(tns, tname)
        if any(a["name"] == name for a in attrs):
            return
        attrs.append({"name": name, "ns": ns if qualified else "", "kind": kind, "enum": key,
                      "required": node.get("use") == "required"})

    def build(self):
        if self.closed:
            self.build_closed()
            return
        for key in self.s.order:
            node = self.s.complex[key]
            attrs, children, state = [], [], {"any": False, "text": False}
            self.collect(node, False, attrs, children, state)
            self.classes.append((self.cpp_name(*key), attrs, children, state["any"], state["text"]))

    def wild_members(self, any_ns, owner_ns):
        """The root elements a class's wildcards admit."""
        out = []
        for ns, name, tns, tname in self.root_elems:
            for spec in any_ns:
                tokens = spec.split()
                if ("##any" in tokens or ns in tokens or (ns == owner_ns and "##targetNamespace" in tokens)
                        or ("##other" in tokens and ns != owner_ns)):
                    out.append({"kind": "element", "name": name, "ns": ns, "type": self.cpp_name(tns, tname),
                                "many": True, "key": (tns, tname)})
                    break
        return out

    def build_closed(self):
        seen = set()
        queue = [(tns, tname) for (_, _, tns, tname) in self.root_elems]
        self.class_ns = {}
        self.class_refs = {}
        while queue:
            key = queue.pop(0)
            if key in seen or key not in self.s.complex:
                continue
            seen.add(key)
            attrs, children, state = [], [], {"any": False, "text": False}
            self.collect(self.s.complex[key], False, attrs, children, state)
            wild = self.wild_members(state.get("any_ns", []), key[0]) if state["any"] else []
            refs = []
            for ch in children:
                for m in (ch["members"] if ch["kind"] == "choice" else [ch]):
                    if m.get("key"):
                        refs.append(m["key"])
            refs += [w["key"] for w in wild]
            queue.extend(refs)
            name = self.cpp_name(*key)
            self.class_ns[name] = key[0]
            self.class_refs[name] = [self.cpp_name(*r) for r in refs if r in self.s.complex]
            # The open list exists in every class: it keeps the unknown.
            self.classes.append((name, attrs, children, {"wild": wild, "wildcard": state["any"]}, state["text"]))

    # --- emitting ---------------------------------------------------------
    def qname(self, ns, name):
        p = self.prefixes.get(ns, "")
        return p + ":" + name if p else name

    CPP_TYPES = {"string": "std::string", "int": "int", "uint": "std::uint32_t", "long": "std::int64_t",
                 "ulong": "std::uint64_t", "float": "double",
                 "bool": "bool", "date": "TNyqDateTime"}

    def attr_type(self, a):
        if a["kind"] == "enum":
            return self.enums[a["enum"]][0]
        return self.CPP_TYPES[a["kind"]]

    @staticmethod
    def field(name, taken):
        f = "F" + cap(name)
        while f in taken:
            f += "_"
        taken.add(f)
        return f

    def enum_conversions(self, c):
        """The text <-> value functions of every enumeration, appended to the unit's lines."""
        for key in sorted(self.enums, key=lambda k: self.enums[k][0]):
            name, _, values = self.enums[key]
            c.append("namespace {\nconstexpr std::array<std::pair<std::string_view, %s>, %d> c%sValues{{"
                     % (name, len(values), name))
            for ident, text in values:
                c.append('    {"%s", %s},' % (text, ident))
            c.append("}};\n}  // namespace\n")
            c.append("std::optional<%s> StrTo%s(std::string_view text)\n{\n    for (const auto& [t, v] : c%sValues)\n"
                     "        if (t == text)\n            return v;\n    return std::nullopt;\n}\n" % (name, name, name))
            c.append("std::string_view %sToStr(%s value)\n{\n    for (const auto& [t, v] : c%sValues)\n"
                     "        if (v == value)\n            return t;\n    return {};\n}\n" % (name, name, name))

    def emit(self, unit, doc_class, sources, root_elements, include):
        classes = self.classes
        h, c = [], []
        gen = "generated from %s by tools/nyq_xsdgen.py; do not edit" % ", ".join(sources)
        h.append("// %s.h: schema classes %s." % (unit, gen))
        h.append("#pragma once\n")
        h.append("#include <cstdint>\n#include <memory>\n#include <optional>\n#include <string>\n"
                 "#include <string_view>\n")
        h.append('#include "formats/NyqUtils.h"\n#include "formats/schema/NyqBase.h"\n')
        for key in sorted(self.enums, key=lambda k: self.enums[k][0]):
            name, _, values = self.enums[key]
            h.append("enum %s { %s };" % (name, ", ".join(v[0] for v in values)))
            h.append("std::optional<%s> StrTo%s(std::string_view text);" % (name, name))
            h.append("std::string_view %sToStr(%s value);\n" % (name, name))
        for name, *_ in classes:
            h.append("class %s;" % name)
        h.append("")
        c.append("// %s.cpp: schema classes %s." % (unit, gen))
        c.append('#include "%s/%s.h"\n' % (include, unit))
        c.append('#include <array>\n#include <utility>\n')
        self.enum_conversions(c)

        for name, attrs, children, has_any, has_text in classes:
            self.emit_class(h, c, name, attrs, children, has_any, has_text)
        # The document class: one child per global element of complex type.
        roots = [{"kind": "element", "name": n, "ns": ns, "type": self.cpp_name(tns, t), "many": False}
                 for (ns, n, tns, t) in root_elements]
        self.emit_class(h, c, doc_class, [], roots, False, False, base="TNYQDocBase", doc=True)
        return "\n".join(h) + "\n", "\n".join(c) + "\n"

    def emit_closed(self, unit, doc_class, sources, include, groups, chunk):
        """The units of closed mode, as {file name: text}."""
        gen = "generated from %s by tools/nyq_xsdgen.py; do not edit" % ", ".join(sources)
        files = {}
        by_group = {}
        for cls in self.classes:
            by_group.setdefault(groups.get(self.class_ns[cls[0]], ""), []).append(cls)
        group_of = {cls[0]: groups.get(self.class_ns[cls[0]], "") for cls in self.classes}
        # <unit>.h: enumerations, forward declarations, the factory and the document class.
        h = ["// %s.h: schema classes %s." % (unit, gen), "#pragma once\n",
             "#include <cstdint>\n#include <memory>\n#include <optional>\n#include <string>\n"
             "#include <string_view>\n", '#include "formats/NyqUtils.h"\n#include "formats/schema/NyqBase.h"\n']
        # An enumeration the model already defines under the same name is used
        # from its header; values it lacks are not admitted.
        for key in sorted(self.enums, key=lambda k: self.enums[k][0]):
            name, prefix, values = self.enums[key]
            if name in self.extern_enums:
                header, known = self.extern_enums[name]
                self.enums[key] = (name, prefix, [v for v in values if v[0] in known])
                if '#include "%s"' % header not in h:
                    h.insert(4, '#include "%s"' % header)
        for key in sorted(self.enums, key=lambda k: self.enums[k][0]):
            name, _, values = self.enums[key]
            if name not in self.extern_enums:
                h.append("enum %s { %s };" % (name, ", ".join(v[0] for v in values)))
            h.append("std::optional<%s> StrTo%s(std::string_view text);" % (name, name))
            h.append("std::string_view %sToStr(%s value);\n" % (name, name))
        for name, *_ in sorted(self.classes):
            h.append("class %s;" % name)
        h.append("\n// The object of a root element by its qualified name (nullptr for none).")
        h.append("std::unique_ptr<TNYQBase> %sNewRoot(std::string_view qname);\n" % unit)
        c = ["// %s.cpp: schema classes %s." % (unit, gen), '#include "%s/%s.h"\n' % (include, unit)]
        for g in sorted(by_group):
            c.append('#include "%s/%s%s.h"' % (include, unit, g))
        c.append('\n#include <array>\n#include <utility>\n')
        self.enum_conversions(c)
        c.append("std::unique_ptr<TNYQBase> %sNewRoot(std::string_view qname)\n{" % unit)
        for ns, n, tns, t in self.root_elems:
            c.append('    if (qname == "%s")\n        return std::make_unique<%s>();' % (self.qname(ns, n),
                                                                                  self.cpp_name(tns, t)))
        c.append("    return nullptr;\n}\n")
        roots = [{"kind": "element", "name": n, "ns": ns, "type": self.cpp_name(tns, t), "many": False}
                 for (ns, n, tns, t) in self.root_elems]
        self.emit_class(h, c, doc_class, [], roots, False, False, base="TNYQDocBase", doc=True)
        files[unit + ".h"] = h
        files[unit + ".cpp"] = c
        for g, classes in sorted(by_group.items()):
            gh = ["// %s%s.h: schema classes %s." % (unit, g, gen), "#pragma once\n",
                  '#include "%s/%s.h"\n' % (include, unit)]
            # Source files of about `chunk` lines each, classes in reaching order.
            parts = [[]]
            for cls in classes:
                code = []
                self.emit_class(gh, code, *cls)
                lines = sum(t.count("\n") + 1 for t in code)
                if parts[-1] and sum(n for _, _, n in parts[-1]) + lines > chunk:
                    parts.append([])
                parts[-1].append((cls[0], code, lines))
            for k, part in enumerate(parts):
                used = {g} | {group_of[r] for name, _, _ in part for r in self.class_refs[name] if r in group_of}
                head = ["// %s%s%d.cpp: schema classes %s." % (unit, g, k + 1, gen)]
                head += ['#include "%s/%s%s.h"' % (include, unit, u) for u in sorted(used)]
                head.append("")
                files["%s%s%d.cpp" % (unit, g, k + 1)] = head + [t for _, code, _ in part for t in code]
            files[unit + g + ".h"] = gh
        return {name: "\n".join(lines) + "\n" for name, lines in files.items()}

    def emit_class(self, h, c, name, attrs, children, has_any, has_text, base="TNYQBase", doc=False):
        taken = set()
        for a in attrs:
            a["field"] = self.field(a["name"], taken)
        for ch in children:
            ch["field"] = self.field(ch["name"] + ("List" if ch["many"] else ""), taken)
        singles = [ch for ch in children if ch["kind"] == "element" and not ch["many"]]
        h.append("class %s : public %s {\npublic:" % (name, base))
        h.append("    %s();\n    ~%s() override;" % (name, name))
        for a in attrs:
            t = self.attr_type(a)
            h.append("    %s %s%s;" % (t if a["required"] else "std::optional<%s>" % t, a["field"],
                                       "{}" if a["required"] else ""))
        for ch in children:
            if ch["kind"] == "choice":
                h.append("    TChoiceNyqList %s;  // %s" % (ch["field"], ", ".join(
                    "%d: %s" % (k, m["name"]) for k, m in enumerate(ch["members"]))))
            elif ch["many"]:
                h.append("    TItemNyqList<%s> %s;" % (ch["type"], ch["field"]))
            else:
                h.append("    std::unique_ptr<%s> %s;" % (ch["type"], ch["field"]))
        if isinstance(has_any, dict):
            h.append("    TNYQOpenList FAny;  // %s" % ("wildcard content" if has_any["wildcard"] else "kept unknown elements"))
        elif has_any:
            h.append("    TNYQAnyElements FAny;")
        if has_text:
            h.append("    std::string FContent;")
        for ch in singles:
            h.append("    %s& Create_%s();" % (ch["type"], ch["field"][1:]))
        h.append("    TNYQBase* HandleElement(TNYQReader& reader) override;")
        if attrs:
            h.append("    void AssignAttributes(TNYQReader& reader) override;")
            h.append("    void WriteAttributes(TNyqWriteXML& writer) const override;")
        if has_text:
            h.append("    void BeforeTag(TNYQReader& reader) override;")
            h.append("    std::string_view TextContent() const override { return FContent; }")
        h.append("    void Write(TNyqWriteXML& writer) const override;")
        h.append("    void Clear() override;\n    void Assign(const TNYQBase& other) override;")
        h.append("    bool HasElements() const override;\n};\n")

        c.append("// " + "-" * 75 + "\n// %s\n" % name)
        for ch in children:
            if ch["kind"] == "choice":
                c.append("namespace {\nconstexpr std::string_view c%s%sNames[] = {%s};\n}  // namespace\n"
                         % (name, ch["field"], ", ".join('"%s"' % self.qname(m["ns"], m["name"])
                                                         for m in ch["members"])))
        c.append("%s::%s() = default;\n%s::~%s() = default;\n" % (name, name, name, name))
        for ch in singles:
            c.append("%s& %s::Create_%s()\n{\n    if (!%s) {\n        %s = std::make_unique<%s>();\n"
                     "        %s->SetAssigned();\n    }\n    SetHasChildren();\n    return *%s;\n}\n"
                     % (ch["type"], name, ch["field"][1:], ch["field"], ch["field"], ch["type"], ch["field"],
                        ch["field"]))
        # HandleElement: every element name, whether single, listed or in a choice.
        slots = []
        for ch in children:
            if ch["kind"] == "choice":
                for k, m in enumerate(ch["members"]):
                    slots.append((m["name"], "SetHasChildren();\n            return &%s.Add<%s>(%d);"
                                  % (ch["field"], m["type"], k)))
            elif ch["many"]:
                slots.append((ch["name"], "SetHasChildren();\n            return &%s.Add();" % ch["field"]))
            else:
                slots.append((ch["name"], "return &Create_%s();" % ch["field"][1:]))
        c.append("TNYQBase* %s::HandleElement(TNYQReader& reader)\n{" % name)
        if slots:
            c.append("    const std::string_view local = reader.LocalName();\n    switch (reader.QNameHashA()) {")
            by_hash = {}
            for slot in slots:
                by_hash.setdefault(hash_a(slot[0]), []).append(slot)
            for hv in sorted(by_hash):
                c.append("    case %d:" % hv)
                for elem, make in by_hash[hv]:
                    c.append('        if (local == "%s") {\n            %s\n        }' % (elem, make))
                c.append("        break;")
            c.append("    default:\n        break;\n    }")
        if isinstance(has_any, dict):
            wild_by_hash = {}
            for m in has_any["wild"]:
                wild_by_hash.setdefault(hash_a(m["name"]), []).append(m)
            if wild_by_hash:
                if not slots:
                    c.append("    const std::string_view local = reader.LocalName();")
                c.append("    switch (reader.QNameHashA()) {")
                for hv in sorted(wild_by_hash):
                    c.append("    case %d:" % hv)
                    for m in wild_by_hash[hv]:
                        c.append('        if (local == "%s") {\n            SetHasChildren();\n'
                                 '            return &FAny.Add<%s>("%s");\n        }'
                                 % (m["name"], m["type"], self.qname(m["ns"], m["name"])))
                    c.append("        break;")
                c.append("    default:\n        break;\n    }")
            if not has_any["wildcard"]:
                c.append("    reader.Error(nyqpeUnknownElement, reader.QName());")
            c.append("    SetHasChildren();\n    return &FAny.AddAny(reader.QName());\n}\n")
        elif has_any:
            c.append("    SetHasChildren();\n    return &FAny.Add(reader.QName());\n}\n")
        else:
            c.append("    return nullptr;\n}\n" if slots else "    (void)reader;\n    return nullptr;\n}\n")
        if attrs:
            self.emit_attributes(c, name, attrs)
        if has_text:
            c.append("void %s::BeforeTag(TNYQReader& reader)\n{\n    if (!reader.SelfClosing())\n"
                     "        FContent = reader.TextUtf8();\n}\n" % name)
        # Write
        c.append("void %s::Write(TNyqWriteXML& writer) const\n{" % name)
        if doc:
            c.append("    (void)writer;")
        for ch in children:
            qn = self.qname(ch["ns"], ch["name"])
            if doc and self.closed:
                ns_attr = "xmlns:" + self.prefixes[ch["ns"]] if self.prefixes.get(ch["ns"]) else "xmlns"
                c.append('    if (%s) {\n        WriteRootAttributes(writer, "%s", "%s");\n'
                         '        NyqWriteChild(writer, "%s", *%s);\n    }' % (ch["field"], ns_attr, ch["ns"], qn,
                                                                           ch["field"]))
            elif doc:
                ns_attr = "xmlns:" + self.prefixes[ch["ns"]] if self.prefixes.get(ch["ns"]) else "xmlns"
                c.append('    if (%s) {\n        writer.AddAttribute("%s", "%s");\n'
                         '        NyqWriteChild(writer, "%s", *%s);\n    }' % (ch["field"], ns_attr, ch["ns"], qn,
                                                                           ch["field"]))
            elif ch["kind"] == "choice":
                c.append("    for (const auto& item : %s.GetItems())\n"
                         "        NyqWriteChild(writer, c%s%sNames[item.Element], *item.Object);"
                         % (ch["field"], name, ch["field"]))
            elif ch["many"]:
                c.append('    for (const auto& item : %s.GetItems())\n        NyqWriteChild(writer, "%s", *item);'
                         % (ch["field"], qn))
            else:
                c.append('    if (%s && %s->Available())\n        NyqWriteChild(writer, "%s", *%s);'
                         % (ch["field"], ch["field"], qn, ch["field"]))
        if has_any:
            c.append("    FAny.Write(writer);")
        if not children and not has_any and not doc:
            c.append("    (void)writer;")
        c.append("}\n")
        # Clear
        c.append("void %s::Clear()\n{\n    TNYQBase::Clear();" % name)
        for a in attrs:
            c.append("    %s = {};" % a["field"])
        for ch in children:
            c.append("    %s%s;" % (ch["field"], ".reset()" if ch in singles else ".Clear()"))
        if has_any:
            c.append("    FAny.Clear();")
        if has_text:
            c.append("    FContent.clear();")
        c.append("}\n")
        # Assign: a deep copy.
        c.append("void %s::Assign(const TNYQBase& other)\n{\n    const auto* o = dynamic_cast<const %s*>(&other);\n"
                 "    if (!o || o == this)\n        return;\n    Clear();\n    FState = o->FState;" % (name, name))
        for a in attrs:
            c.append("    %s = o->%s;" % (a["field"], a["field"]))
        for ch in children:
            if ch["kind"] == "choice":
                c.append("    for (const auto& item : o->%s.GetItems()) {\n        switch (item.Element) {" % ch["field"])
                for k, m in enumerate(ch["members"]):
                    c.append("        case %d:\n            %s.Add<%s>(%d).Assign(*item.Object);\n            break;"
                             % (k, ch["field"], m["type"], k))
                c.append("        default:\n            break;\n        }\n    }")
            elif ch["many"]:
                c.append("    for (const auto& item : o->%s.GetItems())\n        %s.Add().Assign(*item);"
                         % (ch["field"], ch["field"]))
            else:
                c.append("    if (o->%s)\n        Create_%s().Assign(*o->%s);" % (ch["field"], ch["field"][1:],
                                                                             ch["field"]))
        if isinstance(has_any, dict):
            c.append("    FAny.Assign(o->FAny, &%sNewRoot);" % self.unit)
        if doc and self.closed:
            c.append("    RootAttributes = o->RootAttributes;")
        if has_text:
            c.append("    FContent = o->FContent;")
        c.append("}\n")
        # HasElements
        conds = []
        for ch in children:
            conds.append("%s != nullptr" % ch["field"] if ch in singles else "%s.Count() > 0" % ch["field"])
        if has_any:
            conds.append("FAny.Count() > 0")
        c.append("bool %s::HasElements() const\n{\n    return %s;\n}\n" % (name, " || ".join(conds) or "false"))

    def emit_attributes(self, c, name, attrs):
        c.append("void %s::AssignAttributes(TNYQReader& reader)\n{\n    const auto& attrs = reader.Attributes();\n"
                 "    for (int i = 0; i < attrs.Count(); ++i) {\n"
                 "        const std::string_view local = NameOfQName(attrs.RawName(i));\n"
                 "        switch (attrs.GetHashA(i)) {" % name)
        by_hash = {}
        for a in attrs:
            by_hash.setdefault(hash_a(a["name"]), []).append(a)
        for hv in sorted(by_hash):
            c.append("        case %d:" % hv)
            for a in by_hash[hv]:
                f = a["field"]
                kind = a["kind"]
                if kind == "string":
                    conv = "%s = attrs.GetValues(i);" % f
                else:
                    parse = {"int": "XmlTryStrToInt", "uint": "XmlTryStrToInt", "long": "XmlTryStrToInt",
                             "ulong": "XmlTryStrToInt", "float": "XmlTryStrToFloat",
                             "bool": "XmlTryStrToBool", "date": "XmlTryStrToDateTime"}.get(kind)
                    if kind == "enum":
                        parse = "StrTo" + self.enums[a["enum"]][0]
                    cast = ("static_cast<%s>(*v)" % self.attr_type(a)) if kind in ("int", "uint", "ulong") else "*v"
                    # A value past the member's range is refused, never cut to fit.
                    fits = {"int": "*v >= INT32_MIN && *v <= INT32_MAX", "uint": "*v >= 0 && *v <= UINT32_MAX",
                            "ulong": "*v >= 0"}.get(kind)
                    bad = ("NyqBadAttributeValue(reader, i);" if self.closed else
                           "reader.Error(nyqpeUnknownAttribute, std::string(attrs.RawName(i)) + \"=\" + attrs.GetValues(i));")
                    test = "const auto v = %s(attrs.GetValues(i)); v && %s" % (parse, fits) if fits else \
                        "const auto v = %s(attrs.GetValues(i))" % parse
                    conv = ("if (%s)\n                    %s = %s;\n"
                            "                else\n                    %s" % (test, f, cast, bad))
                c.append('            if (local == "%s") {\n                %s\n                continue;\n'
                         '            }' % (a["name"], conv))
            c.append("            break;")
        c.append("        default:\n            break;\n        }\n"
                 "        if (!IsNamespaceAttribute(attrs.RawName(i)))\n"
                 "            reader.Error(nyqpeUnknownAttribute, attrs.RawName(i));\n    }\n}\n")
        c.append("void %s::WriteAttributes(TNyqWriteXML& writer) const\n{" % name)
        for a in attrs:
            qn = self.qname(a["ns"], a["name"])
            f = a["field"]
            val = f if a["required"] else "*" + f
            kind = a["kind"]
            text = {"string": val, "int": "XmlIntToStr(%s)" % val, "uint": "XmlIntToStr(%s)" % val,
                    "long": "XmlIntToStr(%s)" % val, "ulong": "std::to_string(%s)" % val,
                    "float": "XmlFloatToStr(%s)" % val, "bool": "XmlBoolToStr(%s)" % val,
                    "date": "XmlDateTimeToStr(%s)" % val}.get(kind)
            if kind == "enum":
                text = "%sToStr(%s)" % (self.enums[a["enum"]][0], val)
            if a["required"]:
                c.append('    writer.AddAttribute("%s", %s);' % (qn, text))
            else:
                c.append('    if (%s)\n        writer.AddAttribute("%s", %s);' % (f, qn, text))
        c.append("}\n")


def main():
    ap = argparse.ArgumentParser(description="XML Schema to schema classes")
    ap.add_argument("--unit", required=True)
    ap.add_argument("--doc", required=True, help="name of the document class")
    ap.add_argument("--prefix", action="append", default=[], help="NAMESPACE=PREFIX used when writing")
    ap.add_argument("--out", required=True)
    ap.add_argument("--include", default="formats/schema", help="folder the header is included from")
    ap.add_argument("--check", action="store_true")
    ap.add_argument("--root", action="append", default=[], help="PFX:NAME of a root element (closed mode)")
    ap.add_argument("--opaque", action="append", default=[], help="namespace kept as unknown elements")
    ap.add_argument("--group", action="append", default=[], help="NAMESPACE=NAME: unit of its classes")
    ap.add_argument("--extern-enum", action="append", default=[],
                    help="TST_NAME=HEADER: an enumeration defined by a project header (closed mode)")
    ap.add_argument("--chunk", type=int, default=8000, help="lines per source file (closed mode)")
    ap.add_argument("xsd", nargs="+")
    args = ap.parse_args()

    schema = Schema(args.xsd)
    for node in list(schema.complex.values()) + list(schema.elements.values()) + list(schema.simple.values()) \
            + list(schema.groups.values()) + list(schema.attr_groups.values()) + list(schema.attributes.values()):
        index_parents(node)
    prefixes = {}
    for p in args.prefix:
        ns, _, pfx = p.rpartition("=")
        prefixes[ns] = pfx
    if args.root:
        by_prefix = {pfx: ns for ns, pfx in prefixes.items()}
        roots = []
        for r in args.root:
            pfx, _, local = r.rpartition(":")
            ns = by_prefix.get(pfx, "")
            decl = schema.elements.get((ns, local))
            if decl is None or not decl.get("type"):
                print("no root element " + r, file=sys.stderr)
                return 2
            tns, tname = Schema.resolve(decl, decl.get("type"))
            roots.append((ns, local, tns, tname))
        groups = {}
        for g in args.group:
            ns, _, name = g.rpartition("=")
            groups[ns] = name
        gen = Generator(schema, prefixes, closed=True, opaque=args.opaque, roots=roots)
        gen.unit = args.unit
        gen.extern_enums = {}
        for e in args.extern_enum:
            name, _, header = e.partition("=")
            with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", header), encoding="utf-8") as fh:
                m = re.search(r"enum\s+%s\s*\{([^}]*)\}" % re.escape(name), fh.read())
            if not m:
                print("no enum %s in %s" % (name, header), file=sys.stderr)
                return 2
            gen.extern_enums[name] = (header, set(re.findall(r"[A-Za-z_]\w*", re.sub(r"//[^\n]*", "", m.group(1)))))
        gen.build()
        texts = gen.emit_closed(args.unit, args.doc, [os.path.basename(x) for x in args.xsd], args.include,
                                groups, args.chunk)
        outputs = {os.path.join(args.out, n): t for n, t in texts.items()}
        # Units left over from an earlier split would still be built.
        pattern = re.compile(re.escape(args.unit) + r"[A-Z][A-Za-z]*[0-9]*\.(h|cpp)$")
        leftovers = [os.path.join(args.out, n) for n in sorted(os.listdir(args.out))
                     if pattern.match(n) and os.path.join(args.out, n) not in outputs]
        for p in leftovers:
            if args.check:
                print("left over: " + p, file=sys.stderr)
            else:
                os.remove(p)
        if args.check and leftovers:
            return 1
    else:
        outputs = open_mode(schema, prefixes, args)
    if args.check:
        stale = [p for p, text in outputs.items()
                 if not os.path.exists(p) or open(p, encoding="utf-8").read() != text]
        for p in stale:
            print("out of date: " + p, file=sys.stderr)
        return 1 if stale else 0
    for p, text in outputs.items():
        with open(p, "w", encoding="utf-8") as fh:
            fh.write(text)
    return 0


def open_mode(schema, prefixes, args):
    gen = Generator(schema, prefixes)
    gen.unit = args.unit
    gen.build()
    roots = []
    for ns, name in schema.roots:
        decl = schema.elements[(ns, name)]
        t = decl.get("type")
        if t:
            tns, tname = Schema.resolve(decl, t)
            if (tns, tname) in schema.complex:
                roots.append((ns, name, tns, tname))
    header, source = gen.emit(args.unit, args.doc, [os.path.basename(x) for x in args.xsd], roots,
                             args.include)
    return {os.path.join(args.out, args.unit + ".h"): header, os.path.join(args.out, args.unit + ".cpp"): source}


if __name__ == "__main__":
    sys.exit(main())
