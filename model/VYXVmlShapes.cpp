// VYXVmlShapes.cpp: the formula and path interpreter of legacy shape types.
//
// formula  := operator operand{0,3}          (blank separated)
// operand  := number | '@' index | '#' index | name
// path     := (command value*)*
// command  := m l c r v t x e nf ns ae al at ar wa wr qx qy qb (letters, no separator needed)
// value    := number | '@' index | '#' index   (comma or blank separated; an empty value is 0)
// Angles are in 1/65536 degree, positive clockwise on the page (y grows downward).
#include "model/VYXVmlShapes.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "model/VYXUtils.h"
#include "platform/VYXException.h"

namespace {

struct TOpName {
    std::string_view Name;
    TVYXShapeFmlaOp Op;
};
// Sorted by Name.
constexpr TOpName cOperators[] = {
    {"abs", asfoAbs},     {"atan2", asfoAtan2},     {"cos", asfoCos},   {"cosatan2", asfoCosAtan2},
    {"ellipse", asfoEllipse}, {"if", asfoIf},        {"max", asfoMax},   {"mid", asfoMid},
    {"min", asfoMin},     {"mod", asfoMod},         {"prod", asfoProd}, {"sin", asfoSin},
    {"sinatan2", asfoSinAtan2}, {"sqrt", asfoSqrt}, {"sum", asfoSum},   {"sumangle", asfoSumAngle},
    {"tan", asfoTan},     {"val", asfoVal},
};

struct TValName {
    std::string_view Name;
    TVYXShapeFmlaValKind Kind;
};
// Sorted by Name (ASCII order).
constexpr TValName cNamedValues[] = {
    {"emuHeight", asfvEmuHeight},   {"emuHeight2", asfvEmuHeight2}, {"emuWidth", asfvEmuWidth},
    {"emuWidth2", asfvEmuWidth2},   {"hasFill", asfvHasFill},       {"hasStroke", asfvHasStroke},
    {"height", asfvHeight},         {"lineDrawn", asfvLineDrawn},   {"pixelHeight", asfvPixelHeight},
    {"pixelLineWidth", asfvPixelLineWidth}, {"pixelWidth", asfvPixelWidth}, {"width", asfvWidth},
    {"xcenter", asfvXCenter},       {"xlimo", asfvXLimo},           {"ycenter", asfvYCenter},
    {"ylimo", asfvYLimo},
};

template <class T, std::size_t N>
const T* FindName(const T (&table)[N], std::string_view name)
{
    auto it = std::lower_bound(std::begin(table), std::end(table), name,
                               [](const T& e, std::string_view key) { return e.Name < key; });
    return it != std::end(table) && it->Name == name ? it : nullptr;
}

[[noreturn]] void BadFormula()
{
    throw VYXException("Invalid shape formula");
}

constexpr double cFd = 65536.0;  // angle units per degree

double FdToRad(double a)
{
    return a / cFd * std::numbers::pi / 180.0;
}

// The value of an operand once the formulas before it are known.
class TValues {
public:
    TValues(double cw, double ch, const std::vector<int>& adjust, double w, double h)
        : FCw(cw), FCh(ch), FAdjust(adjust), FW(w), FH(h) {}
    std::vector<double> Formulas;

    double Get(const TVYXShapeFmlaVal& v) const
    {
        const auto index = static_cast<std::size_t>(v.Value);
        switch (v.Kind) {
        case asfvConst: return v.Value;
        case asfvFormula: return index < Formulas.size() ? Formulas[index] : 0;
        case asfvAdjust: return index < FAdjust.size() ? FAdjust[index] : 0;
        case asfvWidth: case asfvXLimo: return FCw;
        case asfvHeight: case asfvYLimo: return FCh;
        case asfvXCenter: return FCw / 2;
        case asfvYCenter: return FCh / 2;
        case asfvPixelWidth: return FW * 96 / 72;
        case asfvPixelHeight: return FH * 96 / 72;
        case asfvEmuWidth: return FW * 12700;
        case asfvEmuHeight: return FH * 12700;
        case asfvEmuWidth2: return FW * 12700 / 2;
        case asfvEmuHeight2: return FH * 12700 / 2;
        case asfvPixelLineWidth: case asfvLineDrawn: case asfvHasFill: case asfvHasStroke: return 1;
        }
        return 0;
    }

    double Eval(const TVYXShapeFormula& f) const
    {
        const double v = Get(f.Args[0]);
        const double p1 = Get(f.Args[1]);
        const double p2 = Get(f.Args[2]);
        switch (f.Op) {
        case asfoVal: return v;
        case asfoSum: return v + p1 - p2;
        case asfoProd: return p2 == 0 ? 0 : v * p1 / p2;
        case asfoMid: return (v + p1) / 2;
        case asfoAbs: return std::abs(v);
        case asfoMin: return std::min(v, p1);
        case asfoMax: return std::max(v, p1);
        case asfoIf: return v > 0 ? p1 : p2;
        case asfoMod: return std::sqrt(v * v + p1 * p1 + p2 * p2);
        case asfoAtan2: return std::atan2(p1, v) * 180.0 / std::numbers::pi * cFd;
        case asfoSin: return v * std::sin(FdToRad(p1));
        case asfoCos: return v * std::cos(FdToRad(p1));
        case asfoCosAtan2: return v * std::cos(std::atan2(p2, p1));
        case asfoSinAtan2: return v * std::sin(std::atan2(p2, p1));
        case asfoSqrt: return v < 0 ? 0 : std::sqrt(v);
        case asfoSumAngle: return v + p1 * cFd - p2 * cFd;
        case asfoEllipse: {
            if (p1 == 0)
                return 0;
            const double r = v / p1;
            return p2 * std::sqrt(std::max(0.0, 1 - r * r));
        }
        case asfoTan: return v * std::tan(FdToRad(p1));
        }
        return 0;
    }

private:
    double FCw, FCh;
    const std::vector<int>& FAdjust;
    double FW, FH;
};

TVYXShapeFmlaVal ParseOperand(std::string_view tok)
{
    TVYXShapeFmlaVal v;
    if (tok.empty())
        return v;
    const std::string s(tok);
    if (tok[0] == '@' || tok[0] == '#') {
        char* end = nullptr;
        const long n = std::strtol(s.c_str() + 1, &end, 10);
        if (end != s.c_str() + s.size() || n < 0 || s.size() < 2)
            BadFormula();
        v.Kind = tok[0] == '@' ? asfvFormula : asfvAdjust;
        v.Value = double(n);
        return v;
    }
    char* end = nullptr;
    const double d = std::strtod(s.c_str(), &end);
    if (end == s.c_str() + s.size()) {
        v.Value = d;
        return v;
    }
    const TValName* named = FindName(cNamedValues, tok);
    if (!named)
        BadFormula();
    v.Kind = named->Kind;
    return v;
}

// ---- Path tokens ----

enum TPathCmd { pcM, pcL, pcC, pcR, pcV, pcT, pcX, pcE, pcNF, pcNS, pcAE, pcAL, pcAT, pcAR, pcWA, pcWR, pcQX, pcQY, pcQB,
                pcNone };

struct TCmdName {
    std::string_view Name;
    TPathCmd Cmd;
};
constexpr TCmdName cTwoLetter[] = {{"ae", pcAE}, {"al", pcAL}, {"ar", pcAR}, {"at", pcAT}, {"nf", pcNF},
                                   {"ns", pcNS}, {"qb", pcQB}, {"qx", pcQX}, {"qy", pcQY}, {"wa", pcWA},
                                   {"wr", pcWR}};
constexpr TCmdName cOneLetter[] = {{"c", pcC}, {"e", pcE}, {"l", pcL}, {"m", pcM},
                                   {"r", pcR}, {"t", pcT}, {"v", pcV}, {"x", pcX}};

struct TPathStep {
    TPathCmd Cmd = pcNone;
    std::vector<TVYXShapeFmlaVal> Values;
};

std::vector<TPathStep> TokenizePath(std::string_view path)
{
    std::vector<TPathStep> steps;
    std::size_t i = 0;
    bool sawValue = false;    // a value since the last comma or command
    bool afterComma = false;  // the last separator was a comma: an empty value may follow
    auto push = [&](TVYXShapeFmlaVal v) {
        if (!steps.empty())
            steps.back().Values.push_back(v);
    };
    while (i < path.size()) {
        const char c = path[i];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            const TCmdName* cmd = FindName(cTwoLetter, path.substr(i, 2));
            std::size_t len = 2;
            if (!cmd) {
                cmd = FindName(cOneLetter, path.substr(i, 1));
                len = 1;
            }
            if (afterComma)
                push({});  // "r21600,l" ends with an empty value
            i += len;
            sawValue = afterComma = false;
            // Unknown letters take their values and are ignored.
            steps.push_back({cmd ? cmd->Cmd : pcNone, {}});
            continue;
        }
        if (c == ',') {
            if (!sawValue)
                push({});  // "m," starts with an empty value
            sawValue = false;
            afterComma = true;
            ++i;
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < path.size() && (std::isdigit(static_cast<unsigned char>(path[j])) || path[j] == '.'))
            ++j;
        const std::string_view tok = path.substr(i, j - i);
        i = j;
        try {
            push(ParseOperand(tok));
        } catch (const VYXException&) {
            push({});  // a stray character counts as 0
        }
        sawValue = true;
        afterComma = false;
    }
    if (afterComma)
        push({});
    return steps;
}

void Emit(TVYXGrShapePath& out, TVYXGrShapePathCommand cmd, std::initializer_list<double> coords = {})
{
    out.push_back({cmd, std::vector<double>(coords)});
}

}  // namespace

bool VYXShapeFmlaOperator(std::string_view name, TVYXShapeFmlaOp& op)
{
    const TOpName* found = FindName(cOperators, name);
    if (found)
        op = found->Op;
    return found != nullptr;
}

TVYXShapeFormula VYXParseShapeFormula(std::string_view text)
{
    TVYXShapeFormula f;
    std::size_t pos = 0;
    int field = -1;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == ','))
            ++pos;
        std::size_t end = pos;
        while (end < text.size() && text[end] != ' ' && text[end] != ',')
            ++end;
        if (end == pos)
            break;
        const std::string_view tok = text.substr(pos, end - pos);
        if (field < 0) {
            if (!VYXShapeFmlaOperator(tok, f.Op))
                BadFormula();
        } else if (field < 3) {
            f.Args[field] = ParseOperand(tok);
        } else {
            BadFormula();
        }
        ++field;
        pos = end;
    }
    if (field < 0)
        BadFormula();
    return f;
}

std::vector<double> VYXEvalShapeFormulas(const std::vector<TVYXShapeFormula>& formulas, double coordWidth,
                                         double coordHeight, const std::vector<int>& adjust, double width,
                                         double height)
{
    TValues values(coordWidth, coordHeight, adjust, width, height);
    values.Formulas.reserve(formulas.size());
    for (const TVYXShapeFormula& f : formulas)
        values.Formulas.push_back(values.Eval(f));  // a formula sees only those before it
    return std::move(values.Formulas);
}

TVYXGrShapePath VYXVmlShapePath(std::string_view path, const std::vector<TVYXShapeFormula>& formulas,
                                double coordWidth, double coordHeight, const std::vector<int>& adjust,
                                double width, double height)
{
    TValues values(coordWidth, coordHeight, adjust, width, height);
    values.Formulas = VYXEvalShapeFormulas(formulas, coordWidth, coordHeight, adjust, width, height);
    const double sx = coordWidth > 0 ? width / coordWidth : 1;
    const double sy = coordHeight > 0 ? height / coordHeight : 1;
    TVYXGrShapePath out;
    double px = 0, py = 0;          // current point, box units
    double startX = 0, startY = 0;  // of the sub-path
    bool open = false;               // something was emitted since the last End
    // An arc from the parameter angle a1, reached by a move (starting a sub-path) or a line.
    auto arc = [&](double cx, double cy, double rx, double ry, double a1, double sweep, bool move) {
        const double x = cx + rx * std::cos(a1), y = cy + ry * std::sin(a1);
        Emit(out, move ? agspcMoveTo : agspcLineTo, {x, y});
        if (move) {
            startX = x;
            startY = y;
        }
        VYXAppendArc(out, cx, cy, rx, ry, a1, sweep, px, py);
    };
    for (const TPathStep& step : TokenizePath(path)) {
        std::vector<double> v;
        for (const auto& val : step.Values)
            v.push_back(values.Get(val));
        auto X = [&](std::size_t i) { return v[i] * sx; };
        auto Y = [&](std::size_t i) { return v[i] * sy; };
        switch (step.Cmd) {
        case pcM:
        case pcT:
        case pcL:
        case pcR: {
            // Moves open a sub-path with their first pair; further pairs draw lines.
            const bool rel = step.Cmd == pcT || step.Cmd == pcR;
            const bool move = step.Cmd == pcM || step.Cmd == pcT;
            for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
                px = rel ? px + X(i) : X(i);
                py = rel ? py + Y(i + 1) : Y(i + 1);
                const bool starts = move && i == 0;
                Emit(out, starts ? agspcMoveTo : agspcLineTo, {px, py});
                if (starts) {
                    startX = px;
                    startY = py;
                }
            }
            open = true;
            break;
        }
        case pcC:
        case pcV:
            for (std::size_t i = 0; i + 5 < v.size(); i += 6) {
                const double ox = step.Cmd == pcV ? px : 0;
                const double oy = step.Cmd == pcV ? py : 0;
                Emit(out, agspcCurveTo,
                     {ox + X(i), oy + Y(i + 1), ox + X(i + 2), oy + Y(i + 3), ox + X(i + 4), oy + Y(i + 5)});
                px = ox + X(i + 4);
                py = oy + Y(i + 5);
            }
            open = true;
            break;
        case pcX:
            Emit(out, agspcClose);
            px = startX;
            py = startY;
            break;
        case pcE:
            Emit(out, agspcEnd);
            open = false;
            break;
        case pcNF: Emit(out, agspcNoFill); break;
        case pcNS: Emit(out, agspcNoStroke); break;
        case pcAE:
        case pcAL:
            for (std::size_t i = 0; i + 5 < v.size(); i += 6) {
                const double cx = X(i), cy = Y(i + 1), rx = X(i + 2), ry = Y(i + 3);
                const double a1 = FdToRad(v[i + 4]);
                double sweep = FdToRad(v[i + 5]);
                if (std::abs(sweep) > 2 * std::numbers::pi)
                    sweep = std::copysign(2 * std::numbers::pi, sweep);
                arc(cx, cy, rx, ry, a1, sweep, step.Cmd == pcAL && i == 0);
            }
            open = true;
            break;
        case pcAT:
        case pcAR:
        case pcWA:
        case pcWR:
            for (std::size_t i = 0; i + 7 < v.size(); i += 8) {
                const double l = X(i), t = Y(i + 1), r = X(i + 2), b = Y(i + 3);
                const double cx = (l + r) / 2, cy = (t + b) / 2, rx = std::abs(r - l) / 2, ry = std::abs(b - t) / 2;
                // The rays towards the two reference points, turned into the ellipse's parameter.
                auto param = [&](double x, double y) {
                    return std::atan2((y - cy) * (rx > 0 ? rx : 1), (x - cx) * (ry > 0 ? ry : 1));
                };
                const double a1 = param(X(i + 4), Y(i + 5));
                const double a2 = param(X(i + 6), Y(i + 7));
                const bool clockwise = step.Cmd == pcWA || step.Cmd == pcWR;
                double sweep = a2 - a1;
                if (clockwise && sweep <= 0)
                    sweep += 2 * std::numbers::pi;
                if (!clockwise && sweep >= 0)
                    sweep -= 2 * std::numbers::pi;
                arc(cx, cy, rx, ry, a1, sweep, (step.Cmd == pcAR || step.Cmd == pcWR) && i == 0);
            }
            open = true;
            break;
        case pcQX:
        case pcQY: {
            // Quarter ellipses whose first tangent is horizontal (qx) or vertical (qy), alternating.
            constexpr double k = 0.5522847498;
            bool xFirst = step.Cmd == pcQX;
            for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
                const double ex = X(i), ey = Y(i + 1);
                const double cornerX = xFirst ? ex : px, cornerY = xFirst ? py : ey;
                Emit(out, agspcCurveTo,
                     {px + k * (cornerX - px), py + k * (cornerY - py), ex + k * (cornerX - ex),
                      ey + k * (cornerY - ey), ex, ey});
                px = ex;
                py = ey;
                xFirst = !xFirst;
            }
            open = true;
            break;
        }
        case pcQB: {
            // Quadratic B-spline: implied on-curve points halfway between control points.
            const std::size_t n = v.size() / 2;
            for (std::size_t j = 0; j + 1 < n; ++j) {
                const double qx = X(2 * j), qy = Y(2 * j + 1);
                const bool last = j + 2 == n;
                const double ex = last ? X(2 * j + 2) : (qx + X(2 * j + 2)) / 2;
                const double ey = last ? Y(2 * j + 3) : (qy + Y(2 * j + 3)) / 2;
                Emit(out, agspcCurveTo,
                     {px + 2.0 / 3 * (qx - px), py + 2.0 / 3 * (qy - py), ex + 2.0 / 3 * (qx - ex),
                      ey + 2.0 / 3 * (qy - ey), ex, ey});
                px = ex;
                py = ey;
            }
            open = true;
            break;
        }
        case pcNone: break;
        }
    }
    if (open)
        Emit(out, agspcEnd);
    return out;
}

namespace {
// Splits at `sep`, keeping empty pieces (an empty value is 0).
std::vector<std::string_view> SplitAt(std::string_view text, char sep)
{
    std::vector<std::string_view> out;
    if (text.empty())
        return out;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(sep, start);
        out.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return out;
        start = end + 1;
    }
}


// One coordinate of a handle position or connection site, in the coordinate space.
// `adjustIndex` is set for "#n". Unknown text counts as 0 (these are drawn, not read).
double Coordinate(std::string_view tok, bool isX, const TValues& values, double cw, double ch, int* adjustIndex)
{
    tok = VYXTrim(tok);
    if (tok == "center")
        return (isX ? cw : ch) / 2;
    if (tok == "topLeft")
        return 0;
    if (tok == "bottomRight")
        return isX ? cw : ch;
    if (tok.empty())
        return 0;
    if (tok[0] == '@' || tok[0] == '#') {
        int index = 0;
        const auto [ptr, ec] = std::from_chars(tok.data() + 1, tok.data() + tok.size(), index);
        if (ec != std::errc() || ptr != tok.data() + tok.size() || index < 0)
            return 0;
        if (tok[0] == '#' && adjustIndex)
            *adjustIndex = index;
        return values.Get({tok[0] == '#' ? asfvAdjust : asfvFormula, static_cast<double>(index)});
    }
    double v = 0;
    const auto [ptr, ec] = std::from_chars(tok.data(), tok.data() + tok.size(), v);
    return ec == std::errc() && ptr == tok.data() + tok.size() ? v : 0;
}
}  // namespace

std::vector<TVYXShapeHandle> VYXVmlShapeHandles(const std::vector<TVYXVmlHandleDef>& handles,
                                                const std::vector<TVYXShapeFormula>& formulas, double coordWidth,
                                                double coordHeight, const std::vector<int>& adjust, double width,
                                                double height)
{
    TValues values(coordWidth, coordHeight, adjust, width, height);
    values.Formulas = VYXEvalShapeFormulas(formulas, coordWidth, coordHeight, adjust, width, height);
    const double sx = coordWidth > 0 ? width / coordWidth : 0;
    const double sy = coordHeight > 0 ? height / coordHeight : 0;
    std::vector<TVYXShapeHandle> out;
    auto range = [&](const std::string& text, bool isX, double& lo, double& hi) {
        const std::vector<std::string_view> r = SplitAt(text, ',');
        if (r.size() == 2) {
            lo = Coordinate(r[0], isX, values, coordWidth, coordHeight, nullptr);
            hi = Coordinate(r[1], isX, values, coordWidth, coordHeight, nullptr);
        }
    };
    for (const TVYXVmlHandleDef& def : handles) {
        const std::vector<std::string_view> pos = SplitAt(def.Position, ',');
        TVYXShapeHandle h;
        const double px = Coordinate(pos.empty() ? std::string_view() : pos[0], true, values, coordWidth, coordHeight,
                                     &h.RefX);
        const double py = Coordinate(pos.size() < 2 ? std::string_view() : pos[1], false, values, coordWidth,
                                     coordHeight, &h.RefY);
        if (def.Polar.empty()) {
            h.X = px * sx;
            h.Y = py * sy;
            h.MaxX = coordWidth;
            h.MaxY = coordHeight;
            range(def.XRange, true, h.MinX, h.MaxX);
            range(def.YRange, false, h.MinY, h.MaxY);
        } else {
            // Radius and angle in the coordinate space; without a radius range the radius may
            // reach the far side of the space, and the angle turns once round.
            const std::vector<std::string_view> centre = SplitAt(def.Polar, ',');
            const double cx = Coordinate(centre.empty() ? std::string_view() : centre[0], true, values, coordWidth,
                                         coordHeight, nullptr);
            // A lone keyword ("center") names both coordinates.
            const std::string_view cyText = centre.size() < 2 ? (centre.empty() ? std::string_view() : centre[0])
                                                              : centre[1];
            const double cy = Coordinate(cyText, false, values, coordWidth, coordHeight, nullptr);
            const double angle = FdToRad(py);
            h.Polar = true;
            h.X = (cx + px * std::cos(angle)) * sx;
            h.Y = (cy + px * std::sin(angle)) * sy;
            h.MaxX = std::max(coordWidth, coordHeight);
            range(def.RadiusRange, true, h.MinX, h.MaxX);
            h.MinY = -180 * cFd;
            h.MaxY = 180 * cFd;
        }
        out.push_back(h);
    }
    return out;
}

std::vector<TVYXShapeConnectLoc> VYXVmlShapeConnectLocs(std::string_view locs, std::string_view angles,
                                                        const std::vector<TVYXShapeFormula>& formulas,
                                                        double coordWidth, double coordHeight,
                                                        const std::vector<int>& adjust, double width, double height)
{
    TValues values(coordWidth, coordHeight, adjust, width, height);
    values.Formulas = VYXEvalShapeFormulas(formulas, coordWidth, coordHeight, adjust, width, height);
    const double sx = coordWidth > 0 ? width / coordWidth : 0;
    const double sy = coordHeight > 0 ? height / coordHeight : 0;
    const std::vector<std::string_view> angleList = SplitAt(angles, ',');
    std::vector<TVYXShapeConnectLoc> out;
    for (std::string_view site : SplitAt(locs, ';')) {
        const std::vector<std::string_view> xy = SplitAt(site, ',');
        if (xy.size() != 2)
            continue;
        TVYXShapeConnectLoc loc;
        loc.X = Coordinate(xy[0], true, values, coordWidth, coordHeight, nullptr) * sx;
        loc.Y = Coordinate(xy[1], false, values, coordWidth, coordHeight, nullptr) * sy;
        if (out.size() < angleList.size())
            loc.Angle = Coordinate(angleList[out.size()], true, values, coordWidth, coordHeight, nullptr);
        out.push_back(loc);
    }
    return out;
}

bool VYXVmlShapeTextRect(std::string_view rects, const std::vector<TVYXShapeFormula>& formulas, double coordWidth,
                         double coordHeight, const std::vector<int>& adjust, double width, double height,
                         TVYXShapeRect& rect)
{
    const std::vector<std::string_view> all = SplitAt(rects, ';');
    const std::vector<std::string_view> sides = all.empty() ? all : SplitAt(all.front(), ',');
    if (sides.size() != 4)
        return false;
    TValues values(coordWidth, coordHeight, adjust, width, height);
    values.Formulas = VYXEvalShapeFormulas(formulas, coordWidth, coordHeight, adjust, width, height);
    const double sx = coordWidth > 0 ? width / coordWidth : 0;
    const double sy = coordHeight > 0 ? height / coordHeight : 0;
    rect.Left = Coordinate(sides[0], true, values, coordWidth, coordHeight, nullptr) * sx;
    rect.Top = Coordinate(sides[1], false, values, coordWidth, coordHeight, nullptr) * sy;
    rect.Right = Coordinate(sides[2], true, values, coordWidth, coordHeight, nullptr) * sx;
    rect.Bottom = Coordinate(sides[3], false, values, coordWidth, coordHeight, nullptr) * sy;
    return true;
}
