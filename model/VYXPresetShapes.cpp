// VYXPresetShapes.cpp: a small interpreter for the guide formulas and paths of the preset shape definitions.
#include "model/VYXPresetShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <iterator>
#include <unordered_map>

namespace {

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

// ---- The table as generated at build time (model/gen_preset_shapes.py) ----
//
// Flat arrays: a shape names ranges of guides, paths, handles and connection
// sites; a path names a range of commands, a command a range of arguments.
// Every text is a guide name, a built-in name or a number, exactly as written
// in the definitions; "" stands for an absent attribute.

struct TPresetGuideRec {
    const char* Name;
    const char* Op;
    const char* Args[3];
};

struct TPresetCmdRec {
    TCmdKind Kind;
    int FirstArg;
    int ArgCount;
};

struct TPresetPathRec {
    double W, H;
    bool NoFill, NoStroke;
    int FirstCmd;
    int CmdCount;
};

struct TPresetHandleRec {
    bool Polar;
    const char* Refs[6];  // ref, min, max of x (polar: radius), then of y (polar: angle)
    const char* X;
    const char* Y;
};

struct TPresetConnectRec {
    const char* Ang;
    const char* X;
    const char* Y;
};

struct TPresetShapeRec {
    const char* Name;
    int FirstAv, AvCount;
    int FirstGd, GdCount;
    int FirstPath, PathCount;
    int FirstHandle, HandleCount;
    int FirstConnect, ConnectCount;
    const char* TextRect[4];  // l, t, r, b
};

#include "VYXPresetShapesData.inc"

template <typename T, std::size_t N>
constexpr bool RangeFits(const T (&)[N], int first, int count)
{
    return first >= 0 && count >= 0 && static_cast<std::size_t>(first) + static_cast<std::size_t>(count) <= N;
}

// The generator emits records in order, so every range must lie inside its array;
// checked once at compile time instead of on every lookup.
constexpr bool RecordsConsistent()
{
    for (const TPresetShapeRec& s : cPresetShapes)
        if (!RangeFits(cPresetGuides, s.FirstAv, s.AvCount) || !RangeFits(cPresetGuides, s.FirstGd, s.GdCount) ||
            !RangeFits(cPresetPaths, s.FirstPath, s.PathCount) ||
            !RangeFits(cPresetHandles, s.FirstHandle, s.HandleCount) ||
            !RangeFits(cPresetConnects, s.FirstConnect, s.ConnectCount))
            return false;
    for (const TPresetPathRec& p : cPresetPaths)
        if (!RangeFits(cPresetCmds, p.FirstCmd, p.CmdCount))
            return false;
    for (const TPresetCmdRec& c : cPresetCmds)
        if (!RangeFits(cPresetCmdArgs, c.FirstArg, c.ArgCount))
            return false;
    for (std::size_t i = 1; i < std::size(cPresetShapes); ++i)
        if (std::string_view(cPresetShapes[i - 1].Name) >= std::string_view(cPresetShapes[i].Name))
            return false;
    return true;
}
static_assert(RecordsConsistent(), "the generated preset table is inconsistent");

std::vector<TGuide> MakeGuides(int first, int count)
{
    std::vector<TGuide> out;
    for (int i = first; i < first + count; ++i) {
        const TPresetGuideRec& r = cPresetGuides[i];
        out.push_back({r.Name, r.Op, {r.Args[0], r.Args[1], r.Args[2]}});
    }
    return out;
}

TShapeDef MakeShape(const TPresetShapeRec& rec)
{
    TShapeDef def;
    def.Info.Name = rec.Name;
    def.Av = MakeGuides(rec.FirstAv, rec.AvCount);
    def.Gd = MakeGuides(rec.FirstGd, rec.GdCount);
    for (int i = 0; i < 4; ++i)
        def.TextRect[i] = rec.TextRect[i];
    for (int i = rec.FirstHandle; i < rec.FirstHandle + rec.HandleCount; ++i) {
        const TPresetHandleRec& r = cPresetHandles[i];
        def.Handles.push_back({r.Polar, r.Refs[0], r.Refs[1], r.Refs[2], r.Refs[3], r.Refs[4], r.Refs[5], r.X, r.Y});
    }
    for (int i = rec.FirstConnect; i < rec.FirstConnect + rec.ConnectCount; ++i)
        def.Connects.push_back({cPresetConnects[i].Ang, cPresetConnects[i].X, cPresetConnects[i].Y});
    for (int i = rec.FirstPath; i < rec.FirstPath + rec.PathCount; ++i) {
        const TPresetPathRec& r = cPresetPaths[i];
        TPathDef p;
        p.W = r.W;
        p.H = r.H;
        p.NoFill = r.NoFill;
        p.NoStroke = r.NoStroke;
        for (int c = r.FirstCmd; c < r.FirstCmd + r.CmdCount; ++c) {
            const TPresetCmdRec& cr = cPresetCmds[c];
            TCmd cmd;
            cmd.Kind = cr.Kind;
            cmd.Args.assign(cPresetCmdArgs + cr.FirstArg, cPresetCmdArgs + cr.FirstArg + cr.ArgCount);
            p.Cmds.push_back(std::move(cmd));
        }
        def.Paths.push_back(std::move(p));
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
        for (const TPresetShapeRec& rec : cPresetShapes)
            FShapes.emplace(rec.Name, MakeShape(rec));
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
