// VYXODT.cpp: the OpenDocument package, its parts as element trees, and lengths.
#include "import/VYXODT.h"

#include <charconv>
#include <cstring>

#include "formats/NyqXml.h"
#include "formats/VYXZip5.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

namespace {
// Namespace URIs and the prefixes the reader looks names up by.
struct TKnownNamespace {
    std::string_view Uri;
    std::string_view Prefix;
};
constexpr TKnownNamespace cNamespaces[] = {
    {"http://purl.org/dc/elements/1.1/", "dc"},
    {"http://www.w3.org/1999/xlink", "xlink"},
    {"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0", "number"},
    {"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0", "draw"},
    {"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0", "manifest"},
    {"urn:oasis:names:tc:opendocument:xmlns:meta:1.0", "meta"},
    {"urn:oasis:names:tc:opendocument:xmlns:office:1.0", "office"},
    {"urn:oasis:names:tc:opendocument:xmlns:style:1.0", "style"},
    {"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0", "svg"},
    {"urn:oasis:names:tc:opendocument:xmlns:table:1.0", "table"},
    {"urn:oasis:names:tc:opendocument:xmlns:text:1.0", "text"},
    {"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0", "fo"},
};

// A package part larger than this is refused before it is inflated (a text of
// several thousand pages stays far below).
constexpr std::uint64_t cMaxPartSize = 512u * 1024 * 1024;

bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

// ---- Nodes -------------------------------------------------------------------

std::string_view TVYXODTNode::Attr(std::string_view name, std::string_view def) const
{
    for (const auto& a : Attrs)
        if (a.first == name)
            return a.second;
    return def;
}

bool TVYXODTNode::HasAttr(std::string_view name) const
{
    for (const auto& a : Attrs)
        if (a.first == name)
            return true;
    return false;
}

TVYXODTNode* TVYXODTNode::Child(std::string_view name) const
{
    for (const auto& c : Children)
        if (c->Name == name)
            return c.get();
    return nullptr;
}

// ---- Parts -------------------------------------------------------------------

// Builds a part's tree from the tokenizer's events. The tokenizer reports with
// each tag the text that follows it: after a start tag that is the element's
// first text, after an end tag (or an empty element) the parent's next text.
class TVYXODTPartBuilder : public TNyqReadXML {
public:
    explicit TVYXODTPartBuilder(TVYXODTPart& part) : FPart(part)
    {
        FPart.FRoot = std::make_unique<TVYXODTNode>();
        FPart.FRoot->Name = "#document";
        FPart.FTruncated = false;
        FStack.push_back(FPart.FRoot.get());
        KeepTextUntrimmed = true;
    }

protected:
    void BeginTag() override
    {
        TVYXODTNode* top = FStack.back();
        if (static_cast<int>(FStack.size()) > TVYXODTPart::cMaxDepth) {
            FPart.FTruncated = true;
            if (!SelfClosing()) {
                ++FSkipped;
                AddText(*top);
            }
            return;
        }
        auto node = std::make_unique<TVYXODTNode>();
        const TNyqXMLAttributeList& attrs = Attributes();
        node->Attrs.reserve(static_cast<std::size_t>(attrs.Count()));
        for (int i = 0; i < attrs.Count(); ++i) {
            const std::string_view raw = attrs.RawName(i);
            if (raw.substr(0, 6) == "xmlns:")
                Declare(raw.substr(6), attrs.GetValues(i));
            else if (raw == "xmlns")
                DeclareDefault(attrs.GetValues(i));
        }
        node->Name = MapName(Tag());
        // Names without prefix are in the default namespace for elements only.
        if (!FDefaultPrefix.empty() && node->Name.find(':') == std::string::npos)
            node->Name = FDefaultPrefix + ":" + node->Name;
        for (int i = 0; i < attrs.Count(); ++i)
            node->Attrs.emplace_back(MapName(attrs.RawName(i)), attrs.GetValues(i));
        node->Parent = top;
        TVYXODTNode* added = top->Children.emplace_back(std::move(node)).get();
        FStack.push_back(added);
        if (!SelfClosing())
            AddText(*added);
    }

    void EndTag() override
    {
        if (FSkipped > 0) {
            --FSkipped;
        } else if (FStack.size() > 1) {
            FStack.pop_back();
        }
        AddText(*FStack.back());
    }

    void CData(std::string_view body) override
    {
        auto node = std::make_unique<TVYXODTNode>();
        node->Text = Utf8ToUtf16(body);
        node->Parent = FStack.back();
        FStack.back()->Children.push_back(std::move(node));
    }

private:
    void AddText(TVYXODTNode& parent)
    {
        if (!HasText())
            return;
        // Blanks between elements matter only inside paragraphs; keeping them all
        // is simpler than knowing where we are, and they cost little.
        if (!parent.Children.empty() && parent.Children.back()->IsText()) {
            parent.Children.back()->Text += Text();
            return;
        }
        auto node = std::make_unique<TVYXODTNode>();
        node->Text = Text();
        node->Parent = &parent;
        parent.Children.push_back(std::move(node));
    }

    void Declare(std::string_view prefix, const std::string& uri)
    {
        for (const TKnownNamespace& ns : cNamespaces)
            if (ns.Uri == uri) {
                if (ns.Prefix != prefix) {
                    for (auto& m : FPrefixes)
                        if (m.first == prefix) {
                            m.second = ns.Prefix;
                            return;
                        }
                    FPrefixes.emplace_back(std::string(prefix), std::string(ns.Prefix));
                } else {
                    // The usual prefix declared again undoes an earlier renaming.
                    std::erase_if(FPrefixes, [&](const auto& m) { return m.first == prefix; });
                }
                return;
            }
    }

    void DeclareDefault(const std::string& uri)
    {
        FDefaultPrefix.clear();
        for (const TKnownNamespace& ns : cNamespaces)
            if (ns.Uri == uri)
                FDefaultPrefix = ns.Prefix;
    }

    std::string MapName(std::string_view raw) const
    {
        if (!FPrefixes.empty()) {
            const std::size_t colon = raw.find(':');
            if (colon != std::string_view::npos) {
                const std::string_view prefix = raw.substr(0, colon);
                for (const auto& m : FPrefixes)
                    if (m.first == prefix)
                        return m.second + std::string(raw.substr(colon));
            }
        }
        return std::string(raw);
    }

    TVYXODTPart& FPart;
    std::vector<TVYXODTNode*> FStack;  // borrowed: open elements
    int FSkipped = 0;                  // open elements past the depth limit
    std::vector<std::pair<std::string, std::string>> FPrefixes;  // prefix -> usual prefix
    std::string FDefaultPrefix;  // the usual prefix of the default namespace, "" for none we know
};

TVYXODTPart::TVYXODTPart() = default;
TVYXODTPart::~TVYXODTPart() = default;

void TVYXODTPart::Load(std::string_view xml)
{
    TVYXODTPartBuilder builder(*this);
    builder.LoadFromBuffer(xml);
}

TVYXODTNode* TVYXODTPart::DocElement() const
{
    if (!FRoot)
        return nullptr;
    for (const auto& c : FRoot->Children)
        if (!c->IsText())
            return c.get();
    return nullptr;
}

TVYXODTNode* TVYXODTPart::Find(std::string_view path) const
{
    TVYXODTNode* node = DocElement();
    while (node && !path.empty()) {
        const std::size_t slash = path.find('/');
        node = node->Child(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
    return node;
}

// ---- Package -----------------------------------------------------------------

TVYXODT::TVYXODT() = default;
TVYXODT::~TVYXODT() = default;

void TVYXODT::OpenRead(TVYXStream& stream)
{
    std::string bytes = stream.ReadAll();
    std::size_t i = 0;
    if (bytes.size() >= 3 && std::memcmp(bytes.data(), "\xEF\xBB\xBF", 3) == 0)
        i = 3;
    while (i < bytes.size() && IsBlankByte(bytes[i]))
        ++i;
    FZIP.reset();
    FOwnedStream.reset();
    FContent.reset();
    FStyles.reset();
    FFlat = i < bytes.size() && bytes[i] == '<';
    if (FFlat) {
        FFlatXml = std::move(bytes);
        return;
    }
    FOwnedStream = std::make_unique<TVYXMemoryStream>(std::move(bytes));
    FZIP = std::make_unique<TXLSZipArchive>();
    FZIP->OpenRead(*FOwnedStream);
    if (TXLSZipFile* manifest = FZIP->Find("META-INF/manifest.xml")) {
        const std::string text = FZIP->ReadFileBytesMax(*manifest, cMaxPartSize);
        if (text.find("encryption-data") != std::string::npos)
            throw VYXException("Can not open file. The document is encrypted");
    }
}

void TVYXODT::ReadContent()
{
    FContent = std::make_unique<TVYXODTPart>();
    if (FFlat) {
        FContent->Load(FFlatXml);
        return;
    }
    if (!FZIP)
        throw VYXException("Can not open file. content.xml is missing");
    TXLSZipFile* content = FZIP->Find("content.xml");
    if (!content)
        throw VYXException("Can not open file. content.xml is missing");
    const std::string xml = FZIP->ReadFileBytesMax(*content, cMaxPartSize);
    FContent->Load(xml);
    FStyles = std::make_unique<TVYXODTPart>();
    if (TXLSZipFile* styles = FZIP->Find("styles.xml")) {
        const std::string stylesXml = FZIP->ReadFileBytesMax(*styles, cMaxPartSize);
        FStyles->Load(stylesXml);
    }
}

bool TVYXODT::ReadFile(std::string_view name, std::string& bytes)
{
    if (!FZIP)
        return false;
    while (name.substr(0, 2) == "./")
        name.remove_prefix(2);
    while (!name.empty() && name.front() == '/')
        name.remove_prefix(1);
    if (name.empty())
        return false;
    TXLSZipFile* file = FZIP->Find(name);
    if (!file || file->IsFolder())
        return false;
    bytes = FZIP->ReadFileBytesMax(*file, cMaxPartSize);
    return true;
}

// ---- Lengths -----------------------------------------------------------------

bool VYXODTLength(std::string_view text, double& points)
{
    while (!text.empty() && IsBlankByte(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankByte(text.back()))
        text.remove_suffix(1);
    std::size_t n = 0;
    while (n < text.size() && (std::strchr("+-.0123456789eE", text[n]) != nullptr)) {
        // An "e" is an exponent only when a digit or sign follows ("2em" is no number).
        if ((text[n] == 'e' || text[n] == 'E') &&
            !(n + 1 < text.size() && std::strchr("+-0123456789", text[n + 1])))
            break;
        ++n;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + n, value);
    if (ec != std::errc() || end != text.data() + n || n == 0)
        return false;
    const std::string_view unit = text.substr(n);
    struct TUnit {
        std::string_view Name;
        double Factor;
    };
    constexpr TUnit cUnits[] = {
        {"", 1.0}, {"cm", 72.0 / 2.54}, {"in", 72.0}, {"inch", 72.0}, {"mm", 72.0 / 25.4},
        {"pc", 12.0}, {"pt", 1.0}, {"px", 0.75},
    };
    for (const TUnit& u : cUnits)
        if (u.Name == unit) {
            points = value * u.Factor;
            return points == points && points < 1e9 && points > -1e9;  // no NaN, no absurd sizes
        }
    return false;
}
