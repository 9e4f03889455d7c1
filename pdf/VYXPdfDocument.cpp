// VYXPdfDocument.cpp: serialising objects, the page tree, links, outline, metadata and the trailer.
#include "pdf/VYXPdfDocument.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include <lcms2.h>
#include <zlib.h>

#include "pdf/VYXPdfFont.h"
#include "platform/VYXException.h"
#include "platform/VYXUnicode.h"

namespace {
// Bookmark names are compared without case (ASCII letters), as the document compares them.
std::u16string DestKey(std::u16string_view name)
{
    std::u16string key(name);
    for (char16_t& c : key)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return key;
}

std::string Ref(int obj)
{
    return std::to_string(obj) + " 0 R";
}

void AppendHex(std::string& out, std::string_view bytes)
{
    constexpr char cDigits[] = "0123456789ABCDEF";
    out += '<';
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        out += cDigits[b >> 4];
        out += cDigits[b & 15];
    }
    out += '>';
}

std::string Deflate(std::string_view data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                  static_cast<uLong>(data.size()), 6) != Z_OK)
        throw VYXException("Cannot compress PDF stream");
    out.resize(size);
    return out;
}

// Local time as PDF and XMP dates.
struct TDates {
    std::string Pdf, Xmp;
};
TDates DatesOf(std::time_t t)
{
    std::tm tm{};
    localtime_r(&t, &tm);
    const long off = tm.tm_gmtoff / 60;
    const char sign = off < 0 ? '-' : '+';
    const long a = std::labs(off);
    char pdf[64], xmp[64];
    std::snprintf(pdf, sizeof pdf, "D:%04d%02d%02d%02d%02d%02d%c%02ld'%02ld'", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, sign, a / 60, a % 60);
    std::snprintf(xmp, sizeof xmp, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, sign, a / 60, a % 60);
    return {pdf, xmp};
}

std::string XmlEscape(std::u16string_view text)
{
    std::string out;
    for (char c : Utf16ToUtf8(text)) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n')
                out += c;
        }
    }
    return out;
}

std::string SrgbProfile()
{
    cmsHPROFILE p = cmsCreate_sRGBProfile();
    if (!p)
        throw VYXException("Cannot create sRGB profile");
    cmsUInt32Number len = 0;
    std::string out;
    if (cmsSaveProfileToMem(p, nullptr, &len) && len > 0) {
        out.resize(len);
        cmsSaveProfileToMem(p, out.data(), &len);
    }
    cmsCloseProfile(p);
    if (out.empty())
        throw VYXException("Cannot create sRGB profile");
    return out;
}
}  // namespace

void VYXPdfNum(std::string& out, double value)
{
    if (!std::isfinite(value))
        value = 0;
    long long milli = std::llround(value * 1000);
    if (milli < 0) {
        out += '-';
        milli = -milli;
    }
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, milli / 1000);
    out.append(buf, r.ptr);
    int frac = static_cast<int>(milli % 1000);
    if (frac) {
        out += '.';
        char digits[4] = {char('0' + frac / 100), char('0' + frac / 10 % 10), char('0' + frac % 10), 0};
        int n = 3;
        while (digits[n - 1] == '0')
            --n;
        out.append(digits, std::size_t(n));
    }
}

TVYXPdfDocument::TVYXPdfDocument()
{
    // The ID only has to differ between files: time, this object's address and the system's randomness.
    std::random_device rd;
    std::string seed = std::to_string(std::chrono::system_clock::now().time_since_epoch().count()) +
                       std::to_string(reinterpret_cast<std::uintptr_t>(this)) + std::to_string(rd()) +
                       std::to_string(rd());
    const auto d = VYXMD5(seed);
    FFileId.assign(reinterpret_cast<const char*>(d.data()), d.size());
    FPagesObj = NewObject();
    FResourcesObj = NewObject();
}

TVYXPdfDocument::~TVYXPdfDocument() = default;

void TVYXPdfDocument::SetEncryption(std::string_view userPassword, std::string_view ownerPassword,
                                    TPdfEncryptionPermissions permissions)
{
    if (FObjects.size() > 2 || FPdfA)
        return;
    FSecurity = std::make_unique<TVYXPdfSecurity>(userPassword, ownerPassword, permissions, FFileId);
}

void TVYXPdfDocument::SetPdfA(bool pdfa)
{
    FPdfA = pdfa;
    if (pdfa)
        FSecurity.reset();
}

int TVYXPdfDocument::NewObject()
{
    FObjects.emplace_back();
    return static_cast<int>(FObjects.size());
}

void TVYXPdfDocument::SetObject(int num, std::string_view body)
{
    std::string& s = FObjects.at(static_cast<std::size_t>(num - 1));
    s = std::to_string(num) + " 0 obj\n";
    s += body;
    s += "\nendobj\n";
}

void TVYXPdfDocument::SetStream(int num, std::string_view dict, std::string_view data, bool deflate)
{
    std::string bytes = deflate ? Deflate(data) : std::string(data);
    if (FSecurity)
        FSecurity->Crypt(num, bytes);
    std::string& s = FObjects.at(static_cast<std::size_t>(num - 1));
    s = std::to_string(num) + " 0 obj\n<<";
    s += dict;
    s += "/Length " + std::to_string(bytes.size());
    if (deflate)
        s += "/Filter/FlateDecode";
    s += ">>\nstream\n";
    s += bytes;
    s += "\nendstream\nendobj\n";
}

std::string TVYXPdfDocument::TextString(std::u16string_view text, int objNum) const
{
    bool ascii = true;
    for (char16_t c : text)
        ascii = ascii && c >= 0x20 && c < 0x7F;
    std::string bytes;
    if (ascii) {
        for (char16_t c : text)
            bytes += static_cast<char>(c);
    } else {
        bytes = "\xFE\xFF";
        for (char16_t c : text) {
            bytes += static_cast<char>(c >> 8);
            bytes += static_cast<char>(c & 0xFF);
        }
    }
    return ByteString(bytes, objNum);
}

std::string TVYXPdfDocument::ByteString(std::string_view bytes, int objNum) const
{
    std::string b(bytes);
    if (FSecurity)
        FSecurity->Crypt(objNum, b);
    std::string out;
    AppendHex(out, b);
    return out;
}

void TVYXPdfDocument::FinishPage()
{
    if (FPages.empty())
        return;
    TPage& p = FPages.back();
    if (p.ContentObj == 0 || !FObjects[std::size_t(p.ContentObj - 1)].empty())
        return;
    SetStream(p.ContentObj, "", FContent, true);
    FContent.clear();
}

int TVYXPdfDocument::AddPage(double width, double height)
{
    FinishPage();
    TPage p;
    p.Width = width;
    p.Height = height;
    p.Obj = NewObject();
    p.ContentObj = NewObject();
    FPages.push_back(std::move(p));
    return CurrentPage();
}

void TVYXPdfDocument::SetPageSize(double width, double height)
{
    if (FPages.empty())
        throw VYXException("GetDoc");
    FPages.back().Width = width;
    FPages.back().Height = height;
}

double TVYXPdfDocument::PageHeight(int page) const
{
    return FPages.at(static_cast<std::size_t>(page)).Height;
}

std::string& TVYXPdfDocument::Content()
{
    if (FPages.empty())
        throw VYXException("GetDoc");
    return FContent;
}

TVYXPdfFont* TVYXPdfDocument::Font(const std::string& file, int index)
{
    const std::string key = file + '|' + std::to_string(index);
    auto it = FFontByFile.find(key);
    if (it != FFontByFile.end())
        return it->second;
    std::unique_ptr<TVYXPdfFont> font;
    try {
        font = std::make_unique<TVYXPdfFont>(file, index, "/F" + std::to_string(FFonts.size() + 1), 0);
    } catch (const VYXException&) {
        FFontByFile.emplace(key, nullptr);
        return nullptr;
    }
    font->SetObj(NewObject());
    FFonts.push_back(std::move(font));
    FFontByFile.emplace(key, FFonts.back().get());
    return FFonts.back().get();
}

std::string TVYXPdfDocument::OpacityState(double alpha)
{
    const long key = std::lround(std::clamp(alpha, 0.0, 1.0) * 1000);
    auto it = FOpacityByValue.find(key);
    if (it != FOpacityByValue.end())
        return it->second;
    const std::string name = "/GS" + std::to_string(FStates.size() + 1);
    const int obj = NewObject();
    std::string body = "<</Type/ExtGState/CA ";
    VYXPdfNum(body, key / 1000.0);
    body += "/ca ";
    VYXPdfNum(body, key / 1000.0);
    body += ">>";
    SetObject(obj, body);
    FStates.emplace_back(name, obj);
    FOpacityByValue.emplace(key, name);
    return name;
}

std::string TVYXPdfDocument::FindImage(const void* key) const
{
    auto it = FImageByKey.find(key);
    return it == FImageByKey.end() ? std::string() : it->second;
}

std::string TVYXPdfDocument::AddImage(const void* key, int objNum)
{
    const std::string name = "/Im" + std::to_string(FImages.size() + 1);
    FImages.emplace_back(name, objNum);
    if (key)
        FImageByKey[key] = name;
    return name;
}

namespace {
void AppendRect(std::string& s, double x1, double y1, double x2, double y2)
{
    s += "/Rect[";
    VYXPdfNum(s, std::min(x1, x2));
    s += ' ';
    VYXPdfNum(s, std::min(y1, y2));
    s += ' ';
    VYXPdfNum(s, std::max(x1, x2));
    s += ' ';
    VYXPdfNum(s, std::max(y1, y2));
    s += ']';
}
}  // namespace

void TVYXPdfDocument::AddUriLink(double x1, double y1, double x2, double y2, std::string_view uriUtf8)
{
    if (FPages.empty())
        throw VYXException("GetDoc");
    const int obj = NewObject();
    std::string s = "<</Type/Annot/Subtype/Link";
    AppendRect(s, x1, y1, x2, y2);
    s += "/Border[0 0 0]/BS<</W 0>>/F 4/A<</Type/Action/S/URI/URI" + ByteString(uriUtf8, obj) + ">>>>";
    SetObject(obj, s);
    FPages.back().Annots.push_back(obj);
}

void TVYXPdfDocument::AddGoToLink(double x1, double y1, double x2, double y2, std::u16string_view destName)
{
    if (FPages.empty())
        throw VYXException("GetDoc");
    const int obj = NewObject();
    FGoTos.push_back({CurrentPage(), obj, x1, y1, x2, y2, DestKey(destName)});
    FPages.back().Annots.push_back(obj);
}

void TVYXPdfDocument::AddDestination(std::u16string_view name, int page, double y)
{
    FDests.emplace(DestKey(name), TDest{page, y});
}

void TVYXPdfDocument::AddOutline(std::u16string_view title, int level, int page, double y)
{
    FOutline.push_back({std::u16string(title), std::max(1, level), page, y});
}

std::string TVYXPdfDocument::DestArray(int page, double y) const
{
    std::string s = "[" + Ref(FPages.at(static_cast<std::size_t>(page)).Obj) + "/XYZ 0 ";
    VYXPdfNum(s, y);
    s += " null]";
    return s;
}

int TVYXPdfDocument::WriteOutline()
{
    if (FOutline.empty())
        return 0;
    struct TNode {
        int Obj = 0, Parent = -1, First = -1, Last = -1, Prev = -1, Next = -1, Count = 0;
    };
    // Node 0 is the outline dictionary; a heading hangs under the nearest earlier heading of a lower level.
    std::vector<TNode> nodes(FOutline.size() + 1);
    nodes[0].Obj = NewObject();
    std::vector<std::pair<int, int>> stack{{0, 0}};  // level, node
    for (std::size_t i = 0; i < FOutline.size(); ++i) {
        const int n = static_cast<int>(i + 1);
        nodes[std::size_t(n)].Obj = NewObject();
        while (stack.back().first >= FOutline[i].Level)
            stack.pop_back();
        const int parent = stack.back().second;
        TNode& p = nodes[std::size_t(parent)];
        nodes[std::size_t(n)].Parent = parent;
        if (p.Last >= 0) {
            nodes[std::size_t(p.Last)].Next = n;
            nodes[std::size_t(n)].Prev = p.Last;
        } else {
            p.First = n;
        }
        p.Last = n;
        for (int a = parent; a >= 0; a = nodes[std::size_t(a)].Parent)
            ++nodes[std::size_t(a)].Count;
        stack.emplace_back(FOutline[i].Level, n);
    }
    auto link = [&](std::string& s, const char* key, int node) {
        if (node >= 0)
            s += std::string(key) + ' ' + Ref(nodes[std::size_t(node)].Obj);
    };
    std::string root = "<</Type/Outlines";
    link(root, "/First", nodes[0].First);
    link(root, "/Last", nodes[0].Last);
    root += "/Count " + std::to_string(nodes[0].Count) + ">>";
    SetObject(nodes[0].Obj, root);
    for (std::size_t i = 0; i < FOutline.size(); ++i) {
        const TNode& n = nodes[i + 1];
        std::string s = "<</Title" + TextString(FOutline[i].Title, n.Obj);
        link(s, "/Parent", n.Parent);
        link(s, "/Prev", n.Prev);
        link(s, "/Next", n.Next);
        link(s, "/First", n.First);
        link(s, "/Last", n.Last);
        if (n.Count)
            s += "/Count " + std::to_string(n.Count);  // open: the children show
        if (FOutline[i].Page >= 0 && FOutline[i].Page < PageCount())
            s += "/Dest" + DestArray(FOutline[i].Page, FOutline[i].Y);
        s += ">>";
        SetObject(n.Obj, s);
    }
    return nodes[0].Obj;
}

int TVYXPdfDocument::WriteMetadata(const std::string& created)
{
    std::string x =
        "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
        "<pdfaid:part>1</pdfaid:part>\n<pdfaid:conformance>B</pdfaid:conformance>\n</rdf:Description>\n"
        "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
        "<dc:format>application/pdf</dc:format>\n";
    if (!Info.Title.empty())
        x += "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + XmlEscape(Info.Title) +
             "</rdf:li></rdf:Alt></dc:title>\n";
    if (!Info.Author.empty())
        x += "<dc:creator><rdf:Seq><rdf:li>" + XmlEscape(Info.Author) + "</rdf:li></rdf:Seq></dc:creator>\n";
    if (!Info.Subject.empty())
        x += "<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">" + XmlEscape(Info.Subject) +
             "</rdf:li></rdf:Alt></dc:description>\n";
    x += "</rdf:Description>\n<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
         "<xmp:CreateDate>" + created + "</xmp:CreateDate>\n<xmp:ModifyDate>" + created + "</xmp:ModifyDate>\n";
    if (!Info.Creator.empty())
        x += "<xmp:CreatorTool>" + XmlEscape(Info.Creator) + "</xmp:CreatorTool>\n";
    x += "</rdf:Description>\n<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
         "<pdf:Producer>" + XmlEscape(Info.Producer) + "</pdf:Producer>\n";
    if (!Info.Keywords.empty())
        x += "<pdf:Keywords>" + XmlEscape(Info.Keywords) + "</pdf:Keywords>\n";
    x += "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
    const int obj = NewObject();
    SetStream(obj, "/Type/Metadata/Subtype/XML", x, false);  // unfiltered, so that any tool finds it
    return obj;
}

void TVYXPdfDocument::Save(std::string& out)
{
    if (FPages.empty())
        AddPage(612, 792);
    FinishPage();
    for (auto& font : FFonts)
        font->Write(*this, FPdfA);

    std::string res = "<</ProcSet[/PDF/Text/ImageB/ImageC]";
    auto dict = [&](const char* key, const std::vector<std::pair<std::string, int>>& items) {
        if (items.empty())
            return;
        res += std::string(key) + "<<";
        for (const auto& [name, obj] : items)
            res += name + ' ' + Ref(obj);
        res += ">>";
    };
    std::vector<std::pair<std::string, int>> fonts;
    for (const auto& f : FFonts)
        fonts.emplace_back(f->Name(), f->Obj());
    dict("/Font", fonts);
    dict("/XObject", FImages);
    dict("/ExtGState", FStates);
    res += ">>";
    SetObject(FResourcesObj, res);

    for (const TGoTo& g : FGoTos) {
        std::string s = "<</Type/Annot/Subtype/Link";
        AppendRect(s, g.X1, g.Y1, g.X2, g.Y2);
        s += "/Border[0 0 0]/BS<</W 0>>/F 4";
        auto it = FDests.find(g.Name);
        if (it != FDests.end() && it->second.Page < PageCount())
            s += "/Dest" + DestArray(it->second.Page, it->second.Y);
        s += ">>";
        SetObject(g.Obj, s);
    }

    std::string kids;
    for (const TPage& p : FPages) {
        std::string s = "<</Type/Page/Parent " + Ref(FPagesObj) + "/MediaBox[0 0 ";
        VYXPdfNum(s, p.Width);
        s += ' ';
        VYXPdfNum(s, p.Height);
        s += "]/Resources " + Ref(FResourcesObj) + "/Contents " + Ref(p.ContentObj);
        if (!p.Annots.empty()) {
            s += "/Annots[";
            for (int a : p.Annots)
                s += Ref(a) + ' ';
            s.back() = ']';
        }
        s += ">>";
        SetObject(p.Obj, s);
        kids += Ref(p.Obj) + ' ';
    }
    if (!kids.empty())
        kids.pop_back();
    SetObject(FPagesObj, "<</Type/Pages/Kids[" + kids + "]/Count " + std::to_string(FPages.size()) + ">>");

    const TDates dates = DatesOf(Info.Created ? Info.Created : std::time(nullptr));
    const int outline = WriteOutline();
    const int catalog = NewObject();
    std::string cat = "<</Type/Catalog/Pages " + Ref(FPagesObj);
    if (outline)
        cat += "/Outlines " + Ref(outline) + "/PageMode/UseOutlines";
    if (FPdfA) {
        cat += "/Metadata " + Ref(WriteMetadata(dates.Xmp));
        const int icc = NewObject();
        SetStream(icc, "/N 3", SrgbProfile(), true);
        cat += "/OutputIntents[<</Type/OutputIntent/S/GTS_PDFA1/OutputConditionIdentifier(sRGB IEC61966-2.1)"
               "/Info(sRGB IEC61966-2.1)/DestOutputProfile " + Ref(icc) + ">>]";
    }
    cat += ">>";
    SetObject(catalog, cat);

    const int info = NewObject();
    std::string inf = "<<";
    auto entry = [&](const char* key, const std::u16string& v) {
        if (!v.empty())
            inf += std::string(key) + TextString(v, info);
    };
    entry("/Title", Info.Title);
    entry("/Author", Info.Author);
    entry("/Subject", Info.Subject);
    entry("/Keywords", Info.Keywords);
    entry("/Creator", Info.Creator);
    entry("/Producer", Info.Producer);
    inf += "/CreationDate" + ByteString(dates.Pdf, info) + "/ModDate" + ByteString(dates.Pdf, info) + ">>";
    SetObject(info, inf);

    int encrypt = 0;
    if (FSecurity) {
        encrypt = NewObject();
        std::string e = "<</Filter/Standard/V 2/R 3/Length 128/P " + std::to_string(FSecurity->P()) + "/O";
        AppendHex(e, FSecurity->O());
        e += "/U";
        AppendHex(e, FSecurity->U());
        e += ">>";
        SetObject(encrypt, e);
    }

    std::size_t total = 64;
    for (const std::string& o : FObjects)
        total += o.size();
    out.clear();
    out.reserve(total + FObjects.size() * 20 + 256);
    out += "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets(FObjects.size());
    for (std::size_t i = 0; i < FObjects.size(); ++i) {
        if (FObjects[i].empty())  // a reserved number nothing filled: an empty object keeps the table whole
            SetObject(static_cast<int>(i + 1), "null");
        offsets[i] = out.size();
        out += FObjects[i];
        std::string().swap(FObjects[i]);
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(FObjects.size() + 1) + "\n0000000000 65535 f \n";
    char line[24];
    for (std::size_t off : offsets) {
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", off);
        out += line;
    }
    std::string id;
    AppendHex(id, FFileId);
    out += "trailer\n<</Size " + std::to_string(FObjects.size() + 1) + "/Root " + Ref(catalog) + "/Info " +
           Ref(info) + "/ID[" + id + id + "]";
    if (encrypt)
        out += "/Encrypt " + Ref(encrypt);
    out += ">>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
}
