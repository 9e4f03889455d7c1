// VYXSession.cpp: the session script player.
#include "host/VYXSession.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "editing/VYXEditor.h"
#include "editing/VYXLogEditor.h"
#include "editing/VYXMouseResponders.h"
#include "editing/VYXUndo.h"
#include "host/VYXHeadlessHost.h"
#include "layout/VYXPaginate.h"
#include "model/VYXGraphics.h"
#include "platform/VYXException.h"
#include "platform/VYXPrintable.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
struct TToken {
    std::string Text;
    bool Quoted = false;
    std::size_t Start = 0, End = 0;  // byte offsets of the token in its line
};

[[noreturn]] void Fail(const std::string& why) { throw std::runtime_error(why); }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Splits a line into words and quoted strings; a "#" that starts a word ends the line.
std::vector<TToken> Tokenize(std::string_view line)
{
    std::vector<TToken> out;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        TToken t;
        t.Start = i;
        if (c == '"') {
            t.Quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d != '\\') {
                    t.Text += d;
                    continue;
                }
                if (i >= line.size())
                    Fail("a backslash ends the line");
                d = line[i++];
                switch (d) {
                case 'n': t.Text += '\n'; break;
                case 't': t.Text += '\t'; break;
                case '\\': t.Text += '\\'; break;
                case '"': t.Text += '"'; break;
                case 'u': {
                    char32_t cp = 0;
                    for (int k = 0; k < 4; ++k) {
                        const int h = i < line.size() ? HexDigit(line[i]) : -1;
                        if (h < 0)
                            Fail("\\u needs four hexadecimal digits");
                        cp = cp * 16 + static_cast<char32_t>(h);
                        ++i;
                    }
                    std::u16string unit(1, static_cast<char16_t>(cp));
                    t.Text += Utf16ToUtf8(unit);
                    break;
                }
                default: Fail(std::string("unknown escape \\") + d);
                }
            }
            if (!closed)
                Fail("a string is not closed");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                t.Text += line[i++];
        }
        t.End = i;
        out.push_back(std::move(t));
    }
    return out;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return out;
}

bool ParseInt(const std::string& s, int& value)
{
    if (s.empty())
        return false;
    std::size_t i = s[0] == '-' ? 1 : 0;
    if (i >= s.size())
        return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        v = v * 10 + (s[i] - '0');
        if (v > 1000000000)
            return false;
    }
    value = static_cast<int>(s[0] == '-' ? -v : v);
    return true;
}

bool ParseNumber(const std::string& s, double& value)
{
    if (s.empty())
        return false;
    std::size_t used = 0;
    try {
        value = std::stod(s, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == s.size() && std::isfinite(value);
}

TVYXMouseShift ParseMouseShift(const std::string& spec)
{
    TVYXMouseShift shift = vymsLeft;
    std::size_t start = 0;
    while (start <= spec.size() && !spec.empty()) {
        const std::size_t plus = spec.find('+', start);
        const std::string part = Lower(spec.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
        if (part == "shift")
            shift |= vymsShift;
        else if (part == "ctrl")
            shift |= vymsCtrl;
        else if (part == "alt")
            shift |= vymsAlt;
        else if (part == "double")
            shift |= vymsDouble;
        else if (part == "triple")
            shift |= vymsTriple;
        else if (part == "right")
            shift = static_cast<TVYXMouseShift>((shift & ~vymsLeft) | vymsRight);
        else if (part == "left")
            shift |= vymsLeft;
        else
            Fail("unknown mouse modifier \"" + part + "\"");
        if (plus == std::string::npos)
            break;
        start = plus + 1;
    }
    return shift;
}

struct TNamedKey {
    std::string_view Name;
    TVYXKey Key;
};
constexpr TNamedKey cKeys[] = {
    {"back", vykBack},      {"backspace", vykBack},  {"bksp", vykBack},     {"del", vykDelete},
    {"delete", vykDelete},  {"down", vykDown},       {"end", vykEnd},       {"enter", vykReturn},
    {"esc", vykEscape},     {"escape", vykEscape},   {"home", vykHome},     {"left", vykLeft},
    {"minus", vykOemMinus}, {"pagedown", vykPageDown}, {"pageup", vykPageUp}, {"pgdn", vykPageDown},
    {"pgup", vykPageUp},    {"plus", vykOemPlus},    {"return", vykReturn}, {"right", vykRight},
    {"space", vykSpace},    {"tab", vykTab},         {"up", vykUp},
};

void ParseKey(const std::string& spec, TVYXKey& key, TVYXShiftState& shift)
{
    shift = vyssNone;
    std::string rest = spec;
    for (;;) {
        const std::size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 >= rest.size())
            break;
        const std::string mod = Lower(rest.substr(0, plus));
        if (mod == "ctrl")
            shift |= vyssCtrl;
        else if (mod == "shift")
            shift |= vyssShift;
        else if (mod == "alt")
            shift |= vyssAlt;
        else
            Fail("unknown key modifier \"" + mod + "\"");
        rest = rest.substr(plus + 1);
    }
    const std::string name = Lower(rest);
    if (name.size() == 1 && ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= '0' && name[0] <= '9'))) {
        key = VYXCharKey(name[0]);
        return;
    }
    if (name.size() >= 2 && name[0] == 'f') {
        int n = 0;
        if (ParseInt(name.substr(1), n) && n >= 1 && n <= 24) {
            key = VYXFunctionKey(n);
            return;
        }
    }
    for (const TNamedKey& k : cKeys)
        if (k.Name == name) {
            key = k.Key;
            return;
        }
    Fail("unknown key \"" + rest + "\"");
}

TVYXCommand ParseCommand(const std::string& name)
{
    TVYXCommand cmd = vycNone;
    if (CommandFromName(name, cmd) || CommandFromName("vyc" + name, cmd))
        return cmd;
    Fail("unknown command \"" + name + "\"");
}

std::u16string Normalised(std::u16string text)
{
    // Paragraphs end in "\r\n" in the plain text; scripts write "\n".
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        out += text[i] == u'\r' ? u'\n' : text[i];
    }
    return out;
}

std::string Quote(const std::u16string& text) { return "\"" + VYXPrintable(Utf16ToUtf8(text), 200) + "\""; }

const char* DocKind(TVYXLogDocType type)
{
    switch (type) {
    case aldtMain: return "main";
    case aldtHeader: return "header";
    case aldtFooter: return "footer";
    case aldtFootnotes: return "footnotes";
    case aldtEndnotes: return "endnotes";
    default: return "textbox";
    }
}

// The drawing object selected in the focused document (or being edited), nullptr when none.
const TVYXGraphicObj* SelectedGraphic(TVYXEditor& e)
{
    if (const TVYXGraphicObj* g = e.EditedGraphic())
        return g;
    return e.FocusDoc().Selections().Graphic;
}

// The 1-based place of the paragraph in its document's reading order (cells included).
int ParaIndex(TVYXLogDocEditor& doc, const TVYXLogPara& para)
{
    int index = 1;
    for (TVYXLogPara* p = doc.FirstPara(); p; p = p->Next(), ++index)
        if (p == &para)
            return index;
    return 0;
}
}  // namespace

TVYXSession::TVYXSession(TVYXHeadlessHost& host, std::string baseDir) : FHost(host), FBaseDir(std::move(baseDir))
{
    FOriginal = FHost.Editor().MainDoc().GetPlainText();
}

std::string TVYXSession::Resolve(const std::string& name) const
{
    const std::filesystem::path p(name);
    if (p.is_absolute() || FBaseDir.empty())
        return name;
    return (std::filesystem::path(FBaseDir) / p).string();
}

TVYXSessionResult TVYXSession::Play(std::string_view script)
{
    TVYXSessionResult result;
    int line = 0;
    std::size_t start = 0;
    FAssertions = 0;
    while (start <= script.size()) {
        const std::size_t nl = script.find('\n', start);
        const std::string_view text = script.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        ++line;
        try {
            if (text.size() > MaxLineLength)
                Fail("the line is longer than " + std::to_string(MaxLineLength) + " bytes");
            if (result.Statements >= MaxStatements)
                Fail("more than " + std::to_string(MaxStatements) + " statements");
            if (!Tokenize(text).empty()) {
                PlayLine(text);
                ++result.Statements;
            }
        } catch (const std::exception& e) {
            result.Ok = false;
            result.Line = line;
            result.Message = e.what();
            break;
        }
        if (nl == std::string_view::npos)
            break;
        start = nl + 1;
    }
    result.Assertions = FAssertions;
    return result;
}

void TVYXSession::PlayLine(std::string_view line)
{
    const std::vector<TToken> t = Tokenize(line);
    if (t.empty())
        return;
    TVYXEditor& e = FHost.Editor();
    std::string verb = Lower(t[0].Text);
    // Other spellings people reach for.
    if (verb == "type")
        verb = "text";
    else if (verb == "press")
        verb = "key";
    else if (verb == "cmd")
        verb = "command";
    else if (verb == "mousedown")
        verb = "down";
    else if (verb == "mouseup")
        verb = "up";
    else if (verb == "mousemove")
        verb = "move";
    auto need = [&](std::size_t n) {
        if (t.size() < n + 1)
            Fail(verb + " needs " + std::to_string(n) + " argument(s)");
    };
    // A quoted string, or else the rest of the line as written (without its comment).
    auto quoted = [&](std::size_t i) -> std::u16string {
        if (i >= t.size())
            Fail(verb + " needs a string");
        if (t[i].Quoted)
            return Utf8ToUtf16(t[i].Text);
        return Utf8ToUtf16(line.substr(t[i].Start, t.back().End - t[i].Start));
    };
    auto integer = [&](std::size_t i) {
        int v = 0;
        if (i >= t.size() || !ParseInt(t[i].Text, v))
            Fail(verb + " needs a whole number");
        return v;
    };
    // A point: "X Y" or "@P:C" / "@caret"; `i` moves past it.
    auto point = [&](std::size_t& i, double& x, double& y) {
        if (i >= t.size())
            Fail(verb + " needs a point");
        const std::string& s = t[i].Text;
        if (s == "@graphic" || s == "@rotate") {
            // The selected object's centre, or its rotation grip above the top edge.
            ++i;
            const TVYXGraphicObj* g = SelectedGraphic(e);
            double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            if (!g || !e.GraphicScreenRect(*g, x1, y1, x2, y2))
                Fail("no drawing object is selected");
            x = (x1 + x2) / 2;
            y = s == "@graphic" ? (y1 + y2) / 2 : y1 - TVYXGraphicEditor::cRotateStem;
            return;
        }
        if (!s.empty() && s[0] == '@') {
            ++i;
            TVYXLogPos pos;
            if (s == "@caret")
                pos = e.GetCaretPos();
            else {
                const std::size_t colon = s.find(':');
                int p = 0, c = 0;
                if (colon == std::string::npos || !ParseInt(s.substr(1, colon - 1), p) || !ParseInt(s.substr(colon + 1), c))
                    Fail("a point is \"@PARA:CHAR\" or \"@caret\"");
                TVYXLogPara* para = p >= 1 ? e.MainDoc().FirstPara() : nullptr;
                for (int k = 1; para && k < p; ++k)
                    para = para->Next();
                if (!para)
                    Fail("no paragraph " + std::to_string(p));
                if (c < 1 || c > para->EndOfParaPos())
                    Fail("no character " + std::to_string(c) + " in paragraph " + std::to_string(p));
                pos.Assign(para, c);
            }
            if (e.MainDoc().Dirty())
                e.UpdateUI();
            if (!FHost.PointOf(pos, x, y))
                Fail("the position is not laid out");
            return;
        }
        double vx = 0, vy = 0;
        if (i + 1 >= t.size() || !ParseNumber(t[i].Text, vx) || !ParseNumber(t[i + 1].Text, vy))
            Fail(verb + " needs a point: X Y or @PARA:CHAR");
        x = vx;
        y = vy;
        i += 2;
    };
    auto mods = [&](std::size_t i) { return i < t.size() ? ParseMouseShift(t[i].Text) : vymsLeft; };

    if (verb == "key") {
        need(1);
        TVYXKey key = 0;
        TVYXShiftState shift = vyssNone;
        ParseKey(t[1].Text, key, shift);
        FHost.Key(key, shift);
    } else if (verb == "text") {
        FHost.Type(quoted(1));
    } else if (verb == "down" || verb == "up" || verb == "move" || verb == "click") {
        std::size_t i = 1;
        double x = 0, y = 0;
        point(i, x, y);
        const TVYXMouseShift shift = mods(i);
        if (verb == "down")
            FHost.MouseDown(x, y, shift);
        else if (verb == "up")
            FHost.MouseUp(x, y, shift);
        else if (verb == "move")
            FHost.MouseMove(x, y, shift);
        else
            FHost.Click(x, y, shift);
    } else if (verb == "drag") {
        std::size_t i = 1;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        point(i, x1, y1);
        point(i, x2, y2);
        const TVYXMouseShift shift = mods(i);
        FHost.MouseDown(x1, y1, shift);
        for (int step = 1; step <= 4; ++step)
            FHost.MouseMove(x1 + (x2 - x1) * step / 4, y1 + (y2 - y1) * step / 4, shift);
        FHost.MouseUp(x2, y2, shift);
    } else if (verb == "command") {
        need(1);
        const TVYXCommand cmd = ParseCommand(t[1].Text);
        if (t.size() == 2)
            e.CommandUI(cmd);
        else if (t[2].Quoted)
            e.CommandUI(cmd, std::u16string_view(Utf8ToUtf16(t[2].Text)));
        else if (t.size() == 4)
            e.CommandUI(cmd, integer(2), integer(3));
        else if (Lower(t[2].Text) == "true" || Lower(t[2].Text) == "false")
            e.CommandUI(cmd, Lower(t[2].Text) == "true");
        else {
            int iv = 0;
            double dv = 0;
            if (ParseInt(t[2].Text, iv))
                e.CommandUI(cmd, iv);
            else if (ParseNumber(t[2].Text, dv))
                e.CommandUI(cmd, dv);
            else
                Fail("cannot read the argument \"" + t[2].Text + "\"");
        }
    } else if (verb == "find") {
        e.FocusDoc().BeginFind(quoted(1), u"", 0);
    } else if (verb == "paste-rtf") {
        TVYXMemoryStream rtf(t.size() > 1 ? t[1].Text : std::string());
        rtf.Seek(0, vysoBeginning);
        e.CommandUI(vycInsertRTFStreamAtCaret, static_cast<TVYXStream&>(rtf));
    } else if (!AllowFiles && (verb == "open" || verb == "save" || verb == "snapshot")) {
        Fail(verb + " is not allowed here");
    } else if (verb == "open") {
        need(1);
        e.LoadFromFile(Resolve(t[1].Text));
        FOriginal = e.MainDoc().GetPlainText();
    } else if (verb == "save") {
        need(1);
        e.SaveToFile(Resolve(t[1].Text), true);
    } else if (verb == "undo-all") {
        for (int guard = 0; guard < 100000 && !e.Undo().Empty(); ++guard)
            e.CommandUI(vycControlUndo);
    } else if (verb == "snapshot") {
        need(1);
        FHost.Snapshot(Resolve(t[1].Text));
    } else if (verb == "scroll") {
        e.SetScroll(e.ScrollX(), integer(1));
        e.UpdateUI();
    } else if (verb == "assert") {
        need(1);
        const std::string what = Lower(t[1].Text);
        TVYXLogDocEditor& doc = e.FocusDoc();
        if (what == "text" || what == "contains") {
            const std::u16string want = quoted(2);
            const std::u16string have = Normalised(doc.GetPlainText());
            const bool ok = what == "text" ? have == want : have.find(want) != std::u16string::npos;
            if (!ok)
                Fail("assert " + what + ": the text is " + Quote(have) + ", expected " + Quote(want));
        } else if (what == "para") {
            const std::u16string want = quoted(2);
            const std::u16string have = doc.Caret().Para ? doc.Caret().Para->GetPlainText() : std::u16string();
            if (have != want)
                Fail("assert para: the caret paragraph is " + Quote(have) + ", expected " + Quote(want));
        } else if (what == "caret") {
            const int p = integer(2), c = integer(3);
            const TVYXLogPos& caret = doc.Caret();
            const int hp = caret.Para ? ParaIndex(doc, *caret.Para) : 0;
            if (hp != p || caret.CharPos != c)
                Fail("assert caret: the caret is at " + std::to_string(hp) + ":" + std::to_string(caret.CharPos) +
                     ", expected " + std::to_string(p) + ":" + std::to_string(c));
        } else if (what == "selection") {
            const std::u16string want = quoted(2);
            const std::u16string have = Normalised(doc.Selections().GetPlainText());
            if (have != want)
                Fail("assert selection: the selection is " + Quote(have) + ", expected " + Quote(want));
        } else if (what == "focus") {
            need(2);
            const std::string have = DocKind(doc.DocType());
            if (have != Lower(t[2].Text))
                Fail("assert focus: the focus is in " + have + ", expected " + t[2].Text);
        } else if (what == "pages") {
            const int want = integer(2);
            e.UpdateUI();
            const int have = e.Paginator().Pages().Count();
            if (have != want)
                Fail("assert pages: " + std::to_string(have) + " pages, expected " + std::to_string(want));
        } else if (what == "format") {
            need(3);
            const TVYXCommand cmd = ParseCommand(t[2].Text);
            double want = 0, have = 0;
            if (!ParseNumber(t[3].Text, want))
                Fail("assert format needs a number");
            if (!e.CmdFormatValue(cmd, have))
                Fail("assert format: no single value of " + t[2].Text + " here");
            if (std::fabs(have - want) > 0.01)
                Fail("assert format: " + t[2].Text + " is " + std::to_string(have) + ", expected " + t[3].Text);
        } else if (what == "original") {
            const std::u16string have = e.MainDoc().GetPlainText();
            if (have != FOriginal)
                Fail("assert original: the text is " + Quote(Normalised(have)) + ", expected " +
                     Quote(Normalised(FOriginal)));
        } else if (what == "asked") {
            need(2);
            const TVYXCommand cmd = ParseCommand(t[2].Text);
            auto& asked = FHost.ExternalCommands;
            const auto it = std::find(asked.begin(), asked.end(), cmd);
            if (it == asked.end())
                Fail("assert asked: the host was not asked for " + t[2].Text);
            asked.erase(it);
        } else if (what == "link") {
            const std::u16string want = quoted(2);
            if (FHost.Hyperlinks.empty() || FHost.Hyperlinks.back() != want)
                Fail("assert link: no hyperlink to " + Quote(want) + " was followed");
        } else if (what == "floating") {
            const int want = integer(2);
            int have = 0;
            for (TVYXLogPara* p = e.MainDoc().FirstPara(); p; p = p->Next())
                have += p->Graphics() ? p->Graphics()->Count() : 0;
            if (have != want)
                Fail("assert floating: " + std::to_string(have) + " floating objects, expected " + std::to_string(want));
        } else if (what == "graphic") {
            need(3);
            const TVYXGraphicObj* g = SelectedGraphic(e);
            if (!g)
                Fail("assert graphic: no drawing object is selected");
            const std::string field = Lower(t[2].Text);
            double want = 0, have = 0;
            if (!ParseNumber(t[3].Text, want))
                Fail("assert graphic needs a number");
            const TVYXLogPara* anchor = e.FindAnchorPara(*g);
            if (field == "angle")
                have = g->GetAngle();
            else if (field == "left")
                have = g->PosLeft;
            else if (field == "top")
                have = g->PosTop;
            else if (field == "width")
                have = g->Width;
            else if (field == "height")
                have = g->Height;
            else if (field == "floating")
                have = anchor ? 1 : 0;
            else if (field == "anchor")
                have = anchor ? ParaIndex(e.MainDoc(), *anchor) : 0;
            else
                Fail("assert graphic: angle, left, top, width, height, floating or anchor");
            if (std::fabs(have - want) > 0.51)
                Fail("assert graphic: " + field + " is " + std::to_string(have) + ", expected " + t[3].Text);
        } else if (what == "undo") {
            const int want = integer(2);
            if (e.Undo().UndoCount() != want)
                Fail("assert undo: " + std::to_string(e.Undo().UndoCount()) + " groups, expected " +
                     std::to_string(want));
        } else
            Fail("unknown assertion \"" + t[1].Text + "\"");
        ++FAssertions;
    } else
        Fail("unknown statement \"" + t[0].Text + "\"");
}
