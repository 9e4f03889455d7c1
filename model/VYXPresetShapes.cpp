// VYXPresetShapes.cpp: a small interpreter for the guide formulas and paths of the preset shape definitions.
#include "model/VYXPresetShapes.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <numbers>
#include <unordered_map>

#include "platform/VYXException.h"

// The definitions, embedded at build time (generated source).
extern const unsigned char cVYXPresetShapeXml[];
extern const std::size_t cVYXPresetShapeXmlSize;

namespace {

// ---- A tiny XML reader for the embedded definitions ----
//
// document := BOM? misc* element misc*
// misc     := '<?' ... '?>' | '<!--' ... '-->' | whitespace
// element  := '<' name attr* '/>' | '<' name attr* '>' (text | misc | element)* '</' name '>'
// attr     := name '=' ('"' chars '"' | '\'' chars '\'')
// Not supported: entities, CDATA, DOCTYPE (the resource uses none of them).

struct TXmlNode {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Attrs;
    std::vector<std::unique_ptr<TXmlNode>> Kids;

    const std::string* Attr(std::string_view name) const
    {
        for (const auto& [k, v] : Attrs)
            if (k == name)
                return &v;
        return nullptr;
    }
};

class TXmlReader {
public:
    explicit TXmlReader(std::string_view text) : FText(text)
    {
        if (FText.substr(0, 3) == "\xEF\xBB\xBF")
            FPos = 3;
    }

    std::unique_ptr<TXmlNode> Document()
    {
        SkipMisc();
        auto root = Element(0);
        return root;
    }

private:
    static constexpr int cMaxDepth = 64;

    [[noreturn]] void Fail() const { throw VYXException("Invalid preset shape resource"); }
    bool At(std::string_view s) const { return FText.substr(FPos, s.size()) == s; }
    void SkipTo(std::string_view end)
    {
        const std::size_t p = FText.find(end, FPos);
        if (p == std::string_view::npos)
            Fail();
        FPos = p + end.size();
    }
    void SkipSpace()
    {
        while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos])))
            ++FPos;
    }
    void SkipMisc()
    {
        for (;;) {
            SkipSpace();
            if (At("<?"))
                SkipTo("?>");
            else if (At("<!--"))
                SkipTo("-->");
            else
                return;
        }
    }
    std::string Name()
    {
        const std::size_t start = FPos;
        while (FPos < FText.size()) {
            const char c = FText[FPos];
            if (std::isspace(static_cast<unsigned char>(c)) || c == '=' || c == '>' || c == '/')
                break;
            ++FPos;
        }
        if (FPos == start)
            Fail();
        return std::string(FText.substr(start, FPos - start));
    }
    std::unique_ptr<TXmlNode> Element(int depth)
    {
        if (depth > cMaxDepth || !At("<"))
            Fail();
        ++FPos;
        auto node = std::make_unique<TXmlNode>();
        node->Name = Name();
        for (;;) {
            SkipSpace();
            if (At("/>")) {
                FPos += 2;
                return node;
            }
            if (At(">")) {
                ++FPos;
                break;
            }
            std::string key = Name();
            SkipSpace();
            if (!At("="))
                Fail();
            ++FPos;
            SkipSpace();
            if (FPos >= FText.size() || (FText[FPos] != '"' && FText[FPos] != '\''))
                Fail();
            const char quote = FText[FPos++];
            const std::size_t end = FText.find(quote, FPos);
            if (end == std::string_view::npos)
                Fail();
            node->Attrs.emplace_back(std::move(key), std::string(FText.substr(FPos, end - FPos)));
            FPos = end + 1;
        }
        for (;;) {
            while (FPos < FText.size() && FText[FPos] != '<')
                ++FPos;  // text content is not used
            if (FPos >= FText.size())
                Fail();
            if (At("</")) {
                FPos += 2;
                if (Name() != node->Name)
                    Fail();
                SkipSpace();
                if (!At(">"))
                    Fail();
                ++FPos;
                return node;
            }
            if (At("<!--") || At("<?"))
                SkipMisc();
            else
                node->Kids.push_back(Element(depth + 1));
        }
    }

    std::string_view FText;
    std::size_t FPos = 0;
};

// ---- Definitions ----

struct TGuide {
    std::string Name;
    std::string Op;
    std::string Args[3];
};

enum TCmdKind { ckMove, ckLine, ckArc, ckQuad, ckCubic, ckClose };

struct TCmd {
    TCmdKind Kind = ckClose;
    std::vector<std::string> Args;  // point pairs, or wR hR stAng swAng for arcs
};

struct TPathDef {
    double W = 0, H = 0;  // own coordinate space; 0 = the shape's
    bool NoFill = false;
    bool NoStroke = false;
    std::vector<TCmd> Cmds;
};

// A handle: the guide names it moves with their limits (empty: none), and its position.
struct THandleDef {
    bool Polar = false;
    std::string RefX, MinX, MaxX, RefY, MinY, MaxY;  // polar: radius and angle
    std::string X, Y;
};

struct TConnectDef {
    std::string Ang, X, Y;
};

struct TShapeDef {
    TVYXPresetShapeInfo Info;
    std::vector<TGuide> Av;
    std::vector<TGuide> Gd;
    std::vector<TPathDef> Paths;
    std::vector<THandleDef> Handles;
    std::vector<TConnectDef> Connects;
    std::string TextRect[4];  // l, t, r, b; empty l: none
};

// The one preset the published definitions lack: the mirror image of downArrow.
constexpr std::string_view cUpArrow = R"(<upArrow>
<avLst><gd name="adj1" fmla="val 50000"/><gd name="adj2" fmla="val 50000"/></avLst>
<gdLst><gd name="maxAdj2" fmla="*/ 100000 h ss"/><gd name="a1" fmla="pin 0 adj1 100000"/>
<gd name="a2" fmla="pin 0 adj2 maxAdj2"/><gd name="dy2" fmla="*/ ss a2 100000"/>
<gd name="y2" fmla="+- t dy2 0"/><gd name="dx1" fmla="*/ w a1 200000"/>
<gd name="x1" fmla="+- hc 0 dx1"/><gd name="x2" fmla="+- hc dx1 0"/>
<gd name="dy1" fmla="*/ x1 dy2 wd2"/><gd name="y1" fmla="+- y2 0 dy1"/></gdLst>
<pathLst><path><moveTo><pt x="l" y="y2"/></moveTo><lnTo><pt x="hc" y="t"/></lnTo>
<lnTo><pt x="r" y="y2"/></lnTo><lnTo><pt x="x2" y="y2"/></lnTo><lnTo><pt x="x2" y="b"/></lnTo>
<lnTo><pt x="x1" y="b"/></lnTo><lnTo><pt x="x1" y="y2"/></lnTo><close/></path></pathLst>
</upArrow>)";

std::vector<TGuide> ReadGuides(const TXmlNode& list)
{
    std::vector<TGuide> out;
    for (const auto& gd : list.Kids) {
        const std::string* name = gd->Attr("name");
        const std::string* fmla = gd->Attr("fmla");
        if (gd->Name != "gd" || !name || !fmla)
            continue;
        TGuide g;
        g.Name = *name;
        std::size_t pos = 0;
        int field = -1;
        while (pos < fmla->size() && field < 3) {
            while (pos < fmla->size() && (*fmla)[pos] == ' ')
                ++pos;
            const std::size_t end = std::min(fmla->find(' ', pos), fmla->size());
            if (end > pos) {
                std::string tok = fmla->substr(pos, end - pos);
                if (field < 0)
                    g.Op = std::move(tok);
                else
                    g.Args[field] = std::move(tok);
                ++field;
            }
            pos = end;
        }
        out.push_back(std::move(g));
    }
    return out;
}

TPathDef ReadPath(const TXmlNode& path)
{
    TPathDef p;
    if (const std::string* w = path.Attr("w"))
        p.W = std::atof(w->c_str());
    if (const std::string* h = path.Attr("h"))
        p.H = std::atof(h->c_str());
    if (const std::string* f = path.Attr("fill"))
        p.NoFill = *f == "none";
    if (const std::string* s = path.Attr("stroke"))
        p.NoStroke = *s == "false" || *s == "0";
    struct TKindName {
        std::string_view Name;
        TCmdKind Kind;
    };
    constexpr TKindName kinds[] = {{"arcTo", ckArc},      {"close", ckClose},   {"cubicBezTo", ckCubic},
                                   {"lnTo", ckLine},      {"moveTo", ckMove},   {"quadBezTo", ckQuad}};
    for (const auto& c : path.Kids) {
        auto it = std::find_if(std::begin(kinds), std::end(kinds), [&](const TKindName& k) { return k.Name == c->Name; });
        if (it == std::end(kinds))
            continue;
        TCmd cmd;
        cmd.Kind = it->Kind;
        if (cmd.Kind == ckArc) {
            for (const char* a : {"wR", "hR", "stAng", "swAng"}) {
                const std::string* v = c->Attr(a);
                cmd.Args.push_back(v ? *v : "0");
            }
        } else {
            for (const auto& pt : c->Kids) {
                const std::string* x = pt->Attr("x");
                const std::string* y = pt->Attr("y");
                cmd.Args.push_back(x ? *x : "0");
                cmd.Args.push_back(y ? *y : "0");
            }
        }
        p.Cmds.push_back(std::move(cmd));
    }
    return p;
}

std::string AttrOr(const TXmlNode& node, std::string_view name)
{
    const std::string* v = node.Attr(name);
    return v ? *v : std::string();
}

// The position child of a handle or connection site.
void ReadPos(const TXmlNode& node, std::string& x, std::string& y)
{
    for (const auto& kid : node.Kids)
        if (kid->Name == "pos") {
            x = AttrOr(*kid, "x");
            y = AttrOr(*kid, "y");
        }
}

std::vector<THandleDef> ReadHandles(const TXmlNode& list)
{
    std::vector<THandleDef> out;
    for (const auto& kid : list.Kids) {
        THandleDef h;
        if (kid->Name == "ahXY") {
            h.RefX = AttrOr(*kid, "gdRefX"); h.MinX = AttrOr(*kid, "minX"); h.MaxX = AttrOr(*kid, "maxX");
            h.RefY = AttrOr(*kid, "gdRefY"); h.MinY = AttrOr(*kid, "minY"); h.MaxY = AttrOr(*kid, "maxY");
        } else if (kid->Name == "ahPolar") {
            h.Polar = true;
            h.RefX = AttrOr(*kid, "gdRefR"); h.MinX = AttrOr(*kid, "minR"); h.MaxX = AttrOr(*kid, "maxR");
            h.RefY = AttrOr(*kid, "gdRefAng"); h.MinY = AttrOr(*kid, "minAng"); h.MaxY = AttrOr(*kid, "maxAng");
        } else {
            continue;
        }
        ReadPos(*kid, h.X, h.Y);
        out.push_back(std::move(h));
    }
    return out;
}

TShapeDef ReadShape(const TXmlNode& node)
{
    TShapeDef def;
    def.Info.Name = node.Name;
    for (const auto& kid : node.Kids) {
        if (kid->Name == "avLst")
            def.Av = ReadGuides(*kid);
        else if (kid->Name == "gdLst")
            def.Gd = ReadGuides(*kid);
        else if (kid->Name == "rect") {
            const char* sides[] = {"l", "t", "r", "b"};
            for (int i = 0; i < 4; ++i)
                def.TextRect[i] = AttrOr(*kid, sides[i]);
        } else if (kid->Name == "ahLst")
            def.Handles = ReadHandles(*kid);
        else if (kid->Name == "cxnLst") {
            for (const auto& c : kid->Kids)
                if (c->Name == "cxn") {
                    TConnectDef cd;
                    cd.Ang = AttrOr(*c, "ang");
                    ReadPos(*c, cd.X, cd.Y);
                    def.Connects.push_back(std::move(cd));
                }
        } else if (kid->Name == "pathLst")
            for (const auto& p : kid->Kids)
                if (p->Name == "path")
                    def.Paths.push_back(ReadPath(*p));
    }
    bool anyFill = false;
    for (const TPathDef& p : def.Paths)
        anyFill = anyFill || !p.NoFill;
    // Shapes without a closed sub-path are lines: arrow heads apply, nothing fills.
    bool anyClosed = false;
    for (const TPathDef& p : def.Paths)
        for (const TCmd& c : p.Cmds)
            anyClosed = anyClosed || c.Kind == ckClose;
    def.Info.Filled = anyFill && anyClosed;
    def.Info.ArrowsOk = !anyClosed;
    for (const TGuide& g : def.Av)
        def.Info.Adjust.push_back(std::atoi(g.Args[0].c_str()));
    return def;
}

class TPresetTable {
public:
    TPresetTable()
    {
        const std::string_view text(reinterpret_cast<const char*>(cVYXPresetShapeXml), cVYXPresetShapeXmlSize);
        AddAll(text);
        AddAll(cUpArrow);
    }
    const TShapeDef* Find(std::string_view name) const
    {
        auto it = FShapes.find(name);
        return it == FShapes.end() ? nullptr : &it->second;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> out;
        for (const auto& kv : FShapes)
            out.push_back(kv.first);
        return out;
    }

private:
    void AddAll(std::string_view text)
    {
        if (text.empty())
            return;
        std::unique_ptr<TXmlNode> root = TXmlReader(text).Document();
        if (root->Name == "upArrow") {
            FShapes.emplace(root->Name, ReadShape(*root));
            return;
        }
        // The published list repeats one definition; the first one wins.
        for (const auto& shape : root->Kids)
            FShapes.emplace(shape->Name, ReadShape(*shape));
    }
    std::map<std::string, TShapeDef, std::less<>> FShapes;
};

// Built on first use and never changed afterwards, so sharing it is safe.
const TPresetTable& Table()
{
    static const TPresetTable table;
    return table;
}

// ---- Evaluation ----

constexpr double cAngleUnit = 60000.0;  // angles are in 1/60000 degree

double ToRad(double a)
{
    return a / cAngleUnit * std::numbers::pi / 180.0;
}

class TEvaluator {
public:
    TEvaluator(double w, double h) : FW(w), FH(h) {}

    double Get(const std::string& tok) const
    {
        if (tok.empty())
            return 0;
        // A literal only when the whole token is a number ("3cd4" is a built-in name).
        char* end = nullptr;
        const double literal = std::strtod(tok.c_str(), &end);
        if (end == tok.c_str() + tok.size())
            return literal;
        if (auto it = FVars.find(tok); it != FVars.end())
            return it->second;
        return Builtin(tok);
    }

    void Set(const std::string& name, double v) { FVars[name] = v; }

    double Formula(const TGuide& g) const
    {
        const double a = Get(g.Args[0]);
        const double b = Get(g.Args[1]);
        const double c = Get(g.Args[2]);
        const std::string& op = g.Op;
        if (op == "*/")
            return c == 0 ? 0 : a * b / c;
        if (op == "+-")
            return a + b - c;
        if (op == "+/")
            return c == 0 ? 0 : (a + b) / c;
        if (op == "?:")
            return a > 0 ? b : c;
        if (op == "abs")
            return std::abs(a);
        if (op == "at2")
            return std::atan2(b, a) * 180.0 / std::numbers::pi * cAngleUnit;
        if (op == "cat2")
            return a * std::cos(std::atan2(c, b));
        if (op == "cos")
            return a * std::cos(ToRad(b));
        if (op == "max")
            return std::max(a, b);
        if (op == "min")
            return std::min(a, b);
        if (op == "mod")
            return std::sqrt(a * a + b * b + c * c);
        if (op == "pin")
            return b < a ? a : (b > c ? c : b);
        if (op == "sat2")
            return a * std::sin(std::atan2(c, b));
        if (op == "sin")
            return a * std::sin(ToRad(b));
        if (op == "sqrt")
            return a < 0 ? 0 : std::sqrt(a);
        if (op == "tan")
            return a * std::tan(ToRad(b));
        return a;  // "val" and anything unknown
    }

private:
    double Builtin(const std::string& n) const
    {
        const double ss = std::min(FW, FH);
        const double ls = std::max(FW, FH);
        struct TConst {
            std::string_view Name;
            double Value;
        };
        const TConst named[] = {
            {"3cd4", 16200000}, {"3cd8", 8100000}, {"5cd8", 13500000}, {"7cd8", 18900000}, {"b", FH},
            {"cd2", 10800000},  {"cd4", 5400000},  {"cd8", 2700000},   {"h", FH},          {"hc", FW / 2},
            {"l", 0},           {"ls", ls},        {"r", FW},          {"ss", ss},         {"t", 0},
            {"vc", FH / 2},     {"w", FW},
        };
        for (const TConst& k : named)
            if (k.Name == n)
                return k.Value;
        // wdN, hdN, ssdN: the width, height or shorter side divided by N.
        auto divided = [&](std::string_view prefix, double base, double& out) {
            if (n.size() <= prefix.size() || n.compare(0, prefix.size(), prefix) != 0)
                return false;
            const int d = std::atoi(n.c_str() + prefix.size());
            out = d > 0 ? base / d : 0;
            return true;
        };
        double v = 0;
        if (divided("wd", FW, v) || divided("hd", FH, v) || divided("ssd", ss, v))
            return v;
        return 0;  // an unknown name (the one undefined guide of a connection site)
    }

    double FW, FH;
    std::unordered_map<std::string, double> FVars;
};

void Push(TVYXGrShapePath& out, TVYXGrShapePathCommand cmd, std::initializer_list<double> coords = {})
{
    out.push_back({cmd, std::vector<double>(coords)});
}

// An elliptical arc from the current point as cubic Bézier pieces of at most 90°.
void ArcTo(TVYXGrShapePath& out, double& cx, double& cy, double wR, double hR, double stAng, double swAng)
{
    const double a1 = ToRad(stAng);
    const double a2 = ToRad(stAng + swAng);
    // Angles are measured as seen on the ellipse; turn them into its parameter.
    const double t1 = std::atan2(wR * std::sin(a1), hR * std::cos(a1));
    double t2 = std::atan2(wR * std::sin(a2), hR * std::cos(a2));
    double dt = t2 - t1;
    const double twoPi = 2 * std::numbers::pi;
    if (std::abs(swAng) >= 360 * cAngleUnit) {
        dt = swAng > 0 ? twoPi : -twoPi;
    } else if (swAng > 0) {
        while (dt < 0)
            dt += twoPi;
    } else if (swAng < 0) {
        while (dt > 0)
            dt -= twoPi;
    } else {
        return;
    }
    const double ex = cx - wR * std::cos(t1);
    const double ey = cy - hR * std::sin(t1);
    VYXAppendArc(out, ex, ey, wR, hR, t1, dt, cx, cy);
}

}  // namespace

const TVYXPresetShapeInfo* VYXFindPresetShape(std::string_view name)
{
    const TShapeDef* def = Table().Find(name);
    return def ? &def->Info : nullptr;
}

std::vector<std::string> VYXPresetShapeNames()
{
    return Table().Names();
}

namespace {
// The guides of a shape for a box, with the adjust values overriding the defaults.
TEvaluator Evaluate(const TShapeDef& def, double width, double height, const std::vector<int>* adjust)
{
    TEvaluator ev(width, height);
    for (std::size_t i = 0; i < def.Av.size(); ++i) {
        const TGuide& g = def.Av[i];
        ev.Set(g.Name, adjust && i < adjust->size() ? (*adjust)[i] : ev.Formula(g));
    }
    for (const TGuide& g : def.Gd)
        ev.Set(g.Name, ev.Formula(g));
    return ev;
}

// The adjust value index of a guide name (-1 when it is no adjust value).
int AdjustIndex(const TShapeDef& def, const std::string& name)
{
    for (std::size_t i = 0; i < def.Av.size(); ++i)
        if (!name.empty() && def.Av[i].Name == name)
            return static_cast<int>(i);
    return -1;
}
}  // namespace

std::vector<TVYXShapeHandle> VYXPresetShapeHandles(std::string_view name, double width, double height,
                                                   const std::vector<int>* adjust)
{
    const TShapeDef* def = Table().Find(name);
    if (!def)
        return {};
    const TEvaluator ev = Evaluate(*def, width, height, adjust);
    std::vector<TVYXShapeHandle> out;
    for (const THandleDef& h : def->Handles) {
        TVYXShapeHandle r;
        r.Polar = h.Polar;
        r.X = ev.Get(h.X);
        r.Y = ev.Get(h.Y);
        r.RefX = AdjustIndex(*def, h.RefX);
        r.RefY = AdjustIndex(*def, h.RefY);
        r.MinX = ev.Get(h.MinX);
        r.MaxX = ev.Get(h.MaxX);
        r.MinY = ev.Get(h.MinY);
        r.MaxY = ev.Get(h.MaxY);
        out.push_back(r);
    }
    return out;
}

std::vector<TVYXShapeConnectLoc> VYXPresetShapeConnectLocs(std::string_view name, double width, double height,
                                                           const std::vector<int>* adjust)
{
    const TShapeDef* def = Table().Find(name);
    if (!def)
        return {};
    const TEvaluator ev = Evaluate(*def, width, height, adjust);
    std::vector<TVYXShapeConnectLoc> out;
    for (const TConnectDef& c : def->Connects)
        out.push_back({ev.Get(c.X), ev.Get(c.Y), ev.Get(c.Ang) / cAngleUnit});
    return out;
}

bool VYXPresetShapeTextRect(std::string_view name, double width, double height, const std::vector<int>* adjust,
                            TVYXShapeRect& rect)
{
    const TShapeDef* def = Table().Find(name);
    if (!def || def->TextRect[0].empty())
        return false;
    const TEvaluator ev = Evaluate(*def, width, height, adjust);
    rect = {ev.Get(def->TextRect[0]), ev.Get(def->TextRect[1]), ev.Get(def->TextRect[2]), ev.Get(def->TextRect[3])};
    return true;
}

TVYXGrShapePath VYXPresetShapePath(std::string_view name, double width, double height, const std::vector<int>* adjust)
{
    const TShapeDef* def = Table().Find(name);
    if (!def)
        return {};
    const TEvaluator ev = Evaluate(*def, width, height, adjust);

    TVYXGrShapePath out;
    for (const TPathDef& p : def->Paths) {
        const double sx = p.W > 0 ? width / p.W : 1;
        const double sy = p.H > 0 ? height / p.H : 1;
        if (p.NoFill)
            Push(out, agspcNoFill);
        if (p.NoStroke)
            Push(out, agspcNoStroke);
        double cx = 0, cy = 0;
        double startX = 0, startY = 0;
        for (const TCmd& c : p.Cmds) {
            auto X = [&](std::size_t i) { return ev.Get(c.Args[i]) * sx; };
            auto Y = [&](std::size_t i) { return ev.Get(c.Args[i]) * sy; };
            switch (c.Kind) {
            case ckMove:
                if (c.Args.size() < 2)
                    break;
                cx = startX = X(0);
                cy = startY = Y(1);
                Push(out, agspcMoveTo, {cx, cy});
                break;
            case ckLine:
                if (c.Args.size() < 2)
                    break;
                cx = X(0);
                cy = Y(1);
                Push(out, agspcLineTo, {cx, cy});
                break;
            case ckCubic:
                if (c.Args.size() < 6)
                    break;
                Push(out, agspcCurveTo, {X(0), Y(1), X(2), Y(3), X(4), Y(5)});
                cx = X(4);
                cy = Y(5);
                break;
            case ckQuad: {
                if (c.Args.size() < 4)
                    break;
                const double qx = X(0), qy = Y(1), ex = X(2), ey = Y(3);
                Push(out, agspcCurveTo,
                     {cx + 2.0 / 3 * (qx - cx), cy + 2.0 / 3 * (qy - cy), ex + 2.0 / 3 * (qx - ex),
                      ey + 2.0 / 3 * (qy - ey), ex, ey});
                cx = ex;
                cy = ey;
                break;
            }
            case ckArc:
                ArcTo(out, cx, cy, X(0), Y(1), ev.Get(c.Args[2]), ev.Get(c.Args[3]));
                break;
            case ckClose:
                Push(out, agspcClose);
                cx = startX;
                cy = startY;
                break;
            }
        }
        Push(out, agspcEnd);
    }
    return out;
}
