// NyqXml.cpp: the XML tokenizer, attribute list, parse diagnostics and writer.
#include "formats/NyqXml.h"

#include <algorithm>
#include <cstring>

#include "formats/NyqUtils.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXStringList.h"
#include "platform/VYXUnicode.h"

namespace {

constexpr const char* cUnexpectedEnd = "Unexcpected end of file in XML";

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::size_t Find(std::string_view s, char c, std::size_t from)
{
    if (from >= s.size())
        return std::string_view::npos;
    const void* p = std::memchr(s.data() + from, c, s.size() - from);
    return p ? static_cast<std::size_t>(static_cast<const char*>(p) - s.data()) : std::string_view::npos;
}

// The entity names and what they stand for. A name is first recognised by the
// sum of its character codes, then confirmed, so that "&nbsp;" (whose sum
// equals that of "apos") is not taken for an apostrophe.
struct TEntity {
    unsigned Sum;
    std::string_view Name;
    char Value;
};
constexpr TEntity cEntities[] = {  // sorted by Sum
    {219, "gt", '>'}, {224, "lt", '<'}, {318, "amp", '&'}, {435, "apos", '\''}, {457, "quot", '"'},
};

bool DecodeCharRef(std::string_view body, std::string& out)
{
    // body is "#123" or "#x1F"
    std::size_t i = 1;
    int base = 10;
    if (i < body.size() && (body[i] == 'x' || body[i] == 'X')) {
        base = 16;
        ++i;
    }
    if (i >= body.size() || body.size() - i > 8)
        return false;
    char32_t cp = 0;
    for (; i < body.size(); ++i) {
        const char c = body[i];
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0)
            return false;
        cp = cp * static_cast<char32_t>(base) + static_cast<char32_t>(d);
    }
    AppendUtf8(out, cp);
    return true;
}

// Appends bytes, replacing invalid UTF-8 by U+FFFD.
void AppendChecked(std::string& out, std::string_view bytes)
{
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii || IsValidUtf8(bytes))
        out.append(bytes);
    else
        out.append(Utf16ToUtf8(Utf8ToUtf16(bytes)));
}

}  // namespace

std::string_view NyqTrimBlanks(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

void NyqDecodeEntities(std::string_view raw, std::string& out, bool charRefs)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t amp = Find(raw, '&', start);
        if (amp == std::string_view::npos) {
            AppendChecked(out, raw.substr(start));
            return;
        }
        AppendChecked(out, raw.substr(start, amp - start));
        const std::size_t semi = Find(raw, ';', amp + 1);
        // An entity name is short; a lone ampersand is kept as it is.
        if (semi == std::string_view::npos || semi - amp > 12) {
            out.push_back('&');
            start = amp + 1;
            continue;
        }
        const std::string_view body = raw.substr(amp + 1, semi - amp - 1);
        if (!body.empty() && body[0] == '#') {
            if (charRefs)
                DecodeCharRef(body, out);
        } else {
            unsigned sum = 0;
            for (char c : body)
                sum += static_cast<unsigned char>(c);
            for (const auto& e : cEntities)
                if (e.Sum == sum && e.Name == body) {
                    out.push_back(e.Value);
                    break;
                }
        }
        start = semi + 1;
    }
}

void NyqEscapeText(std::string_view text, std::string& out)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* rep = nullptr;
        switch (text[i]) {
        case '<': rep = "&lt;"; break;
        case '>': rep = "&gt;"; break;
        case '&': rep = "&amp;"; break;
        case '\'': rep = "&apos;"; break;
        case '"': rep = "&quot;"; break;
        default: continue;
        }
        out.append(text.substr(start, i - start));
        out.append(rep);
        start = i + 1;
    }
    out.append(text.substr(start));
}

// ---------------------------------------------------------------------------
// TNyqXMLAttributeList

std::string TNyqXMLAttributeList::GetAttributes(int index) const
{
    const auto name = RawName(index);
    return FHtml ? AsciiLower(name) : std::string(name);
}

std::string TNyqXMLAttributeList::GetValues(int index) const
{
    std::string out;
    NyqDecodeEntities(FItems.at(static_cast<std::size_t>(index)).RawValue, out, FCharRefs);
    return out;
}

std::u16string TNyqXMLAttributeList::GetValues16(int index) const { return Utf8ToUtf16(GetValues(index)); }

std::uint32_t TNyqXMLAttributeList::GetHashA(int index) const { return CalcHash_A(NameOfQName(RawName(index))); }
std::uint32_t TNyqXMLAttributeList::GetHashB(int index) const { return CalcHash_B(NameOfQName(RawName(index))); }
std::uint32_t TNyqXMLAttributeList::GetHashC(int index) const { return CalcHash_C(NameOfQName(RawName(index))); }
std::uint32_t TNyqXMLAttributeList::GetHashD(int index) const { return CalcHash_D(NameOfQName(RawName(index))); }

int TNyqXMLAttributeList::Find(std::string_view name) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FHtml ? SameTextAscii(FItems[i].Name, name) : FItems[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

std::string TNyqXMLAttributeList::AsString(std::string_view name) const
{
    const int i = Find(name);
    if (i < 0)
        throw VYXException("Attribute \"" + std::string(name) + "\" is missing");
    return GetValues(i);
}

std::string TNyqXMLAttributeList::AsStringDef(std::string_view name, std::string_view def) const
{
    const int i = Find(name);
    return i < 0 ? std::string(def) : GetValues(i);
}

int TNyqXMLAttributeList::AsIntegerDef(std::string_view name, int def) const
{
    const int i = Find(name);
    return i < 0 ? def : XmlStrToIntDef(GetValues(i), def);
}

bool TNyqXMLAttributeList::AsBoolDef(std::string_view name, bool def) const
{
    const int i = Find(name);
    return i < 0 ? def : XmlStrToBoolDef(GetValues(i), def);
}

int TNyqXMLAttributeList::AsEnumDef(std::string_view name, const std::vector<std::string_view>& values, int def) const
{
    const int i = Find(name);
    if (i < 0)
        return def;
    const std::string v = GetValues(i);
    for (std::size_t k = 0; k < values.size(); ++k)
        if (values[k] == v)
            return static_cast<int>(k);
    return def;
}

std::string TNyqXMLAttributeList::AsXmlText() const
{
    std::string out;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0)
            out.push_back(' ');
        out.append(GetAttributes(static_cast<int>(i)));
        out.append("=\"");
        NyqEscapeText(GetValues(static_cast<int>(i)), out);
        out.push_back('"');
    }
    return out;
}

void TNyqXMLAttributeList::CollectPrefixed(std::string_view prefix, TVYXStringList& list) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].Name.substr(0, prefix.size()) == prefix)
            list.Add(std::string(FItems[i].Name) + "=" + GetValues(static_cast<int>(i)));
}

void TNyqXMLAttributeList::ClearNamespace()
{
    std::erase_if(FItems, [](const TNyqXmlAttribute& a) {
        return a.Name == "xmlns" || a.Name.substr(0, 6) == "xmlns:";
    });
}

void TNyqXMLAttributeList::Sort()
{
    std::stable_sort(FItems.begin(), FItems.end(),
                     [](const TNyqXmlAttribute& a, const TNyqXmlAttribute& b) { return a.Name < b.Name; });
}

void TNyqXMLAttributeList::BeginSnatch(TVYXStringList& target) { FSnatch = &target; }
void TNyqXMLAttributeList::EndSnatch() { FSnatch = nullptr; }

// ---------------------------------------------------------------------------
// TNyqPErrors

void TNyqPErrors::Error(TNyqPErrorKind kind, std::string_view text, int row)
{
    std::string key = kind == nyqpeUnknownAttribute ? "Unknown Attribute \"" : "Unknown Element \"";
    key.append(text);
    key.push_back('"');
    const std::string msg = "Row " + std::to_string(row) + ": " + key;
    Keep(std::move(key), msg, kind == nyqpeUnknownAttribute ? cCodeUnknownAttribute : cCodeUnknownElement);
}

void TNyqPErrors::Add(const std::string& message, int code) { Keep(message, message, code); }

void TNyqPErrors::Keep(std::string key, const std::string& message, int code)
{
    if (!FKeys.insert(std::move(key)).second) {
        if (FDuplicateCount++ < cMaxDuplicates)
            FDuplicates.push_back(message);
        return;
    }
    FItems.push_back(message);
    FCodes.push_back(code);
    if (FManager)
        FManager->Report(aelWarning, code, message);
    if (ErrorEvent)
        ErrorEvent(message);
}

void TNyqPErrors::Clear()
{
    FItems.clear();
    FCodes.clear();
    FKeys.clear();
    FDuplicates.clear();
    FDuplicateCount = 0;
}

// ---------------------------------------------------------------------------
// TNyqReadXML

TNyqReadXML::TNyqReadXML() = default;
TNyqReadXML::~TNyqReadXML() = default;

void TNyqReadXML::LoadFromFile(const std::string& fileName)
{
    TVYXFileStream stream(fileName, vyfmRead);
    LoadFromStream(stream);
}

void TNyqReadXML::LoadFromStream(TVYXStream& stream)
{
    FOwned = stream.ReadAll();
    FHtml = false;
    FData = FOwned;
    Scan();
}

void TNyqReadXML::LoadFromStreamHtml(TVYXStream& stream)
{
    FOwned = stream.ReadAll();
    FHtml = true;
    FData = FOwned;
    Scan();
}

void TNyqReadXML::LoadFromBuffer(std::string_view data)
{
    FOwned.clear();
    FHtml = false;
    FData = data;
    Scan();
}

void TNyqReadXML::LoadFromBufferHtml(std::string_view data)
{
    FOwned.clear();
    FHtml = true;
    FData = data;
    Scan();
}

void TNyqReadXML::SyntaxError(const char* what) const
{
    throw VYXException(std::string(what) + " (row " + std::to_string(Row()) + ", column " +
                       std::to_string(Col()) + ")");
}

std::size_t TNyqReadXML::TextEnd(std::size_t pos) const
{
    const std::size_t lt = Find(FData, '<', pos);
    return lt == std::string_view::npos ? FData.size() : lt;
}

void TNyqReadXML::Scan()
{
    FAborted = false;
    FRowPos = 0;
    FRowCount = 1;
    FSnatchDepth = 0;
    FTagPos = 0;
    FAttributes.Clear();
    FAttributes.SetHtml(FHtml);
    FAttributes.SetCharRefs(DecodeCharRefs);
    std::size_t pos = Find(FData, '<', 0);
    if (pos == std::string_view::npos) {
        if (FHtml)
            return;
        throw VYXException("Syntax error in XML: can not find \"<\"");
    }
    while (pos < FData.size() && !FAborted) {
        FTagPos = pos;
        const std::size_t next = ScanTag(pos);
        pos = Find(FData, '<', next);
        if (pos == std::string_view::npos)
            break;
    }
}

// Skips "<!" constructs other than comments and CDATA: up to the ">" that
// closes them, stepping over quoted strings and a bracketed internal subset.
std::size_t TNyqReadXML::SkipDecl(std::size_t pos)
{
    int brackets = 0;
    char quote = 0;
    for (std::size_t i = pos + 2; i < FData.size(); ++i) {
        const char c = FData[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            return i + 1;
        }
    }
    if (FHtml)
        return FData.size();
    SyntaxError(cUnexpectedEnd);
}

// Scans one markup construct at `pos` ("<") and fires its events; returns the
// position after it.
std::size_t TNyqReadXML::ScanTag(std::size_t pos)
{
    const std::string_view d = FData;
    const std::size_t n = d.size();
    if (pos + 1 >= n) {
        if (FHtml)
            return n;
        SyntaxError(cUnexpectedEnd);
    }
    const char c1 = d[pos + 1];
    if (c1 == '!') {
        if (d.substr(pos, 4) == "<!--") {
            const std::size_t end = d.find("-->", pos + 4);
            if (end == std::string_view::npos) {
                if (FHtml)
                    return n;
                SyntaxError(cUnexpectedEnd);
            }
            FComment = d.substr(pos + 4, end - pos - 4);
            Comment();
            return end + 3;
        }
        if (d.substr(pos, 9) == "<![CDATA[") {
            const std::size_t end = d.find("]]>", pos + 9);
            if (end == std::string_view::npos) {
                if (FHtml)
                    return n;
                SyntaxError(cUnexpectedEnd);
            }
            CData(d.substr(pos + 9, end - pos - 9));
            return end + 3;
        }
        return SkipDecl(pos);
    }
    if (c1 == '?') {
        const std::size_t end = d.find("?>", pos + 2);
        if (end == std::string_view::npos) {
            if (FHtml)
                return n;
            SyntaxError(cUnexpectedEnd);
        }
        FName = {};
        FComment = d.substr(pos + 2, end - pos - 2);
        Declaration();
        return end + 2;
    }
    if (c1 == '/') {
        const std::size_t gt = Find(d, '>', pos + 2);
        if (gt == std::string_view::npos) {
            if (FHtml)
                return n;
            SyntaxError(cUnexpectedEnd);
        }
        FName = NyqTrimBlanks(d.substr(pos + 2, gt - pos - 2));
        if (FHtml) {
            const auto blank = std::find_if(FName.begin(), FName.end(), IsBlank);
            FName = FName.substr(0, static_cast<std::size_t>(blank - FName.begin()));
        }
        FColon = FName.find(':');
        FAttributes.Clear();
        FSelfClosing = false;
        const std::size_t textEnd = TextEnd(gt + 1);
        FText = d.substr(gt + 1, textEnd - gt - 1);
        if (FSnatchDepth > 0)
            SnatchEnd();
        EndTag();
        return gt + 1;
    }

    // Start tag: the name runs to the first blank, "/" or ">".
    std::size_t i = pos + 1;
    FColon = std::string_view::npos;
    while (i < n) {
        const char c = d[i];
        if (IsBlank(c) || c == '/' || c == '>')
            break;
        if (c == ':' && FColon == std::string_view::npos)
            FColon = i - pos - 1;
        ++i;
    }
    if (i == pos + 1) {
        // "<" not followed by a name: text in HTML, an error in XML.
        if (FHtml)
            return pos + 1;
        SyntaxError("Syntax error in XML: invalid tag name");
    }
    if (i >= n) {
        if (FHtml)
            return n;
        SyntaxError(cUnexpectedEnd);
    }
    FName = d.substr(pos + 1, i - pos - 1);
    FAttributes.Clear();
    FSelfClosing = false;
    for (;;) {
        while (i < n && IsBlank(d[i]))
            ++i;
        if (i >= n) {
            if (FHtml)
                return n;
            SyntaxError(cUnexpectedEnd);
        }
        const char c = d[i];
        if (c == '>') {
            ++i;
            break;
        }
        if (c == '/') {
            if (i + 1 < n && d[i + 1] == '>') {
                FSelfClosing = true;
                i += 2;
                break;
            }
            if (!FHtml)
                SyntaxError("Syntax error in XML: \"/\" without \">\"");
            ++i;
            continue;
        }
        const std::size_t nameStart = i;
        while (i < n && !IsBlank(d[i]) && d[i] != '=' && d[i] != '>' && d[i] != '/')
            ++i;
        if (i == nameStart) {  // a lone "=": skip it in HTML
            if (!FHtml)
                SyntaxError("Syntax error in XML: attribute without name");
            ++i;
            continue;
        }
        const std::string_view attrName = d.substr(nameStart, i - nameStart);
        std::size_t j = i;
        while (j < n && IsBlank(d[j]))
            ++j;
        if (j >= n || d[j] != '=') {
            if (!FHtml)
                SyntaxError(j >= n ? cUnexpectedEnd : "Syntax error in XML: attribute without value");
            FAttributes.AddRaw(attrName, {});
            continue;
        }
        ++j;
        while (j < n && IsBlank(d[j]))
            ++j;
        if (j >= n) {
            if (FHtml)
                return n;
            SyntaxError(cUnexpectedEnd);
        }
        if (d[j] == '"' || d[j] == '\'') {
            const std::size_t close = Find(d, d[j], j + 1);
            if (close == std::string_view::npos) {
                if (FHtml)
                    return n;
                SyntaxError(cUnexpectedEnd);
            }
            FAttributes.AddRaw(attrName, d.substr(j + 1, close - j - 1));
            i = close + 1;
        } else {
            if (!FHtml)
                SyntaxError("Syntax error in XML: attribute value without quotes");
            std::size_t k = j;
            while (k < n && !IsBlank(d[k]) && d[k] != '>')
                ++k;
            FAttributes.AddRaw(attrName, d.substr(j, k - j));
            i = k;
        }
    }
    std::size_t textEnd = TextEnd(i);
    // Script and style bodies are raw text in HTML: "<" inside them is no tag.
    if (FHtml && !FSelfClosing && (SameTextAscii(FName, "script") || SameTextAscii(FName, "style"))) {
        std::string closing("</");
        closing.append(AsciiLower(FName));
        std::size_t k = i;
        while ((k = Find(d, '<', k)) != std::string_view::npos) {
            if (SameTextAscii(d.substr(k, closing.size()), closing))
                break;
            ++k;
        }
        textEnd = k == std::string_view::npos ? n : k;
    }
    FText = d.substr(i, textEnd - i);
    if (FAttributes.Snatching() || FSnatchDepth > 0)
        SnatchBegin();
    BeginTag();
    if (FSelfClosing) {
        if (FSnatchDepth > 0)
            SnatchEnd();
        EndTag();
    }
    return textEnd;
}

// While snatching, each tag of the subtree is recorded as a raw line; the
// depth tells when the subtree that started the snatch is closed.
void TNyqReadXML::SnatchBegin()
{
    TVYXStringList* target = FAttributes.SnatchTarget();
    if (!target)
        return;
    std::string line(1, '<');
    line.append(QName());
    if (FAttributes.Count() > 0) {
        line.push_back(' ');
        line.append(FAttributes.AsXmlText());
    }
    line += FSelfClosing ? "/>" : ">";
    target->Add(line);
    if (!FSelfClosing) {
        const auto text = NyqTrimBlanks(FText);
        if (!text.empty()) {
            std::string esc;
            NyqEscapeText(TextUtf8(), esc);
            target->Add(esc);
        }
    }
    ++FSnatchDepth;
}

void TNyqReadXML::SnatchEnd()
{
    TVYXStringList* target = FAttributes.SnatchTarget();
    if (!target) {
        FSnatchDepth = 0;
        return;
    }
    --FSnatchDepth;
    if (!FSelfClosing)
    {
        std::string line("</");
        line.append(QName());
        line.push_back('>');
        target->Add(line);
    }
}

std::string_view TNyqReadXML::LocalView() const
{
    return FColon == std::string_view::npos ? FName : FName.substr(FColon + 1);
}

std::string TNyqReadXML::QName() const { return FHtml ? AsciiLower(FName) : std::string(FName); }

std::string TNyqReadXML::QNameP() const
{
    return FColon == std::string_view::npos ? std::string() : std::string(FName.substr(0, FColon));
}

std::string TNyqReadXML::QNameT() const { return FHtml ? AsciiLower(LocalView()) : std::string(LocalView()); }

std::uint32_t TNyqReadXML::QNameHashA() const { return CalcHash_A(LocalView()); }
std::uint32_t TNyqReadXML::QNameHashB() const { return CalcHash_B(LocalView()); }
std::uint32_t TNyqReadXML::QNameHashC() const { return CalcHash_C(LocalView()); }
std::uint32_t TNyqReadXML::QNameHashD() const { return CalcHash_D(LocalView()); }

bool TNyqReadXML::CmpTag(std::string_view name) const { return FHtml ? SameTextAscii(FName, name) : FName == name; }

std::string TNyqReadXML::TextUtf8() const
{
    std::string out;
    if (DecodeEntities)
        NyqDecodeEntities(FText, out, DecodeCharRefs);
    else
        AppendChecked(out, FText);
    return out;
}

std::u16string TNyqReadXML::Text() const { return Utf8ToUtf16(TextUtf8()); }

std::string TNyqReadXML::FindAttribute(std::string_view name) const { return FAttributes.AsStringDef(name, ""); }

std::string TNyqReadXML::Namespace() const
{
    const std::string attr = FColon == std::string_view::npos ? std::string("xmlns") : "xmlns:" + QNameP();
    return FAttributes.AsStringDef(attr, "");
}

int TNyqReadXML::Row() const
{
    // Tags arrive in order, so counting from the last answer keeps the total linear.
    if (FTagPos < FRowPos) {
        FRowPos = 0;
        FRowCount = 1;
    }
    const std::size_t end = std::min(FTagPos, FData.size());
    FRowCount += static_cast<int>(std::count(FData.begin() + static_cast<std::ptrdiff_t>(FRowPos),
                                             FData.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
    FRowPos = end;
    return FRowCount;
}

int TNyqReadXML::Col() const
{
    const std::size_t end = std::min(FTagPos, FData.size());
    std::size_t start = end;
    while (start > 0 && FData[start - 1] != '\n')
        --start;
    int col = 1;
    for (std::size_t i = start; i < end; ++i)
        if ((static_cast<unsigned char>(FData[i]) & 0xC0) != 0x80)  // count characters, not bytes
            ++col;
    return col;
}

// ---------------------------------------------------------------------------
// TNyqStrStack, TNyqWriteXML

std::string TNyqStrStack::Pop()
{
    if (FItems.empty())
        throw VYXException("XML writer: end tag without begin tag");
    std::string s = std::move(FItems.back());
    FItems.pop_back();
    return s;
}

const std::string& TNyqStrStack::Peek() const
{
    static const std::string cEmpty;
    return FItems.empty() ? cEmpty : FItems.back();
}

void TNyqWriteXML::Declaration()
{
    FOut.append("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r");
}

void TNyqWriteXML::AppendPending(std::string_view text)
{
    if (FAttrs.size() + text.size() > cMaxPendingAttributes)
        throw VYXException("Write XML buffer owerflow");
    FAttrs.append(text);
}

void TNyqWriteXML::AddAttribute(std::string_view name, std::string_view value)
{
    std::string item(name);
    item.append("=\"");
    NyqEscapeText(value, item);
    item.append("\" ");
    AppendPending(item);
}

void TNyqWriteXML::AddAttributeInt(std::string_view name, std::int64_t value)
{
    AddAttribute(name, XmlIntToStr(value));
}

void TNyqWriteXML::AddAttributeFloat(std::string_view name, double value)
{
    AddAttribute(name, XmlFloatToStr(value));
}

void TNyqWriteXML::AddAttributeBool(std::string_view name, bool value) { AddAttribute(name, XmlBoolToStr(value)); }

void TNyqWriteXML::AddAttr(std::string_view text)
{
    std::string item(text);
    item.push_back(' ');
    AppendPending(item);
}

void TNyqWriteXML::SetAttributes(std::string_view text)
{
    FAttrs.clear();
    AddAttr(text);
}

std::string TNyqWriteXML::CheckNS(std::string_view name) const
{
    const std::string& prefix = FNS.Peek();
    if (prefix.empty() || name.find(':') != std::string_view::npos)
        return std::string(name);
    return prefix + ":" + std::string(name);
}

void TNyqWriteXML::SetNamespace(std::string_view prefix)
{
    if (!FNS.Empty())
        FNS.Pop();
    FNS.Push(std::string(prefix));
}

// "<name" plus the pending attributes (their trailing blank dropped).
void TNyqWriteXML::OpenTag(const std::string& name)
{
    FOut.push_back('<');
    FOut.append(name);
    if (!FAttrs.empty()) {
        FOut.push_back(' ');
        std::string_view a = FAttrs;
        while (!a.empty() && a.back() == ' ')
            a.remove_suffix(1);
        FOut.append(a);
        FAttrs.clear();
    }
}

void TNyqWriteXML::BeginTag(std::string_view name)
{
    std::string full = CheckNS(name);
    OpenTag(full);
    FOut.append(">\r");
    FStack.Push(std::move(full));
}

void TNyqWriteXML::BeginTextTag(std::string_view name, std::string_view text)
{
    std::string full = CheckNS(name);
    OpenTag(full);
    FOut.push_back('>');
    NyqEscapeText(text, FOut);
    FStack.Push(std::move(full));
}

void TNyqWriteXML::EndTag()
{
    const std::string name = FStack.Pop();
    if (!FText.empty()) {
        NyqEscapeText(FText, FOut);
        FText.clear();
    }
    FOut.append("</");
    FOut.append(name);
    FOut.append(">\r");
}

void TNyqWriteXML::EmptyTag(std::string_view name)
{
    FOut.push_back('<');
    FOut.append(CheckNS(name));
    FOut.append("/>\r");
}

void TNyqWriteXML::SimpleTag(std::string_view name)
{
    if (!FText.empty()) {
        const std::string text = std::move(FText);
        FText.clear();
        SimpleTextTag(name, text);
        return;
    }
    OpenTag(CheckNS(name));
    FOut.append("/>\r");
}

void TNyqWriteXML::SimpleTextTag(std::string_view name, std::string_view text)
{
    const std::string full = CheckNS(name);
    OpenTag(full);
    FOut.push_back('>');
    NyqEscapeText(text, FOut);
    FOut.append("</");
    FOut.append(full);
    FOut.append(">\r");
}

std::string TNyqWriteXML::TakeBytes()
{
    std::string out = std::move(FOut);
    FOut.clear();
    return out;
}

void TNyqWriteXML::SaveToStream(TVYXStream& stream) const { stream.WriteString(FOut); }

void TNyqWriteXML::SaveToFile(const std::string& fileName) const { VYXWriteFile(fileName, FOut); }
