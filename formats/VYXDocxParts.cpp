// VYXDocxParts.cpp: settings, font table and web settings through the schema classes.
#include "formats/VYXDocxParts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/schema/NyqDocx.h"
#include "formats/schema/NyqDocxWml.h"
#include "model/VYXDocSection.h"
#include "model/VYXRevision.h"
#include "platform/VYXUnicode.h"

namespace {

// A decimal number of the file; `def` when it is none. Measures with a unit
// ("0.5in") are not twips and count as none.
long long Number(std::string_view text, long long def)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '+'))
        text.remove_prefix(1);
    double d = 0;
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
    if (ec != std::errc() || p != text.data() + text.size() || !std::isfinite(d))
        return def;
    return static_cast<long long>(std::clamp(d, -1e15, 1e15));
}

bool On(const TCT_OnOff& v)
{
    if (!v.FVal)
        return true;
    return !(*v.FVal == "0" || *v.FVal == "false" || *v.FVal == "off");
}

// Copies the part's diagnostics (already formatted with their rows).
void Forward(const TNyqPErrors& from, TNyqPErrors& to)
{
    if (&from == &to)
        return;  // a part's own list: copying it onto itself would never end
    for (int i = 0; i < from.Count(); ++i)
        to.Add(from.Items(i), from.Codes(i));
}

void Load(TDocxPartDoc& part, std::string_view xml, TNyqPErrors& errors)
{
    part.LoadFromBuffer(xml);
    Forward(part.Errors(), errors);
}

// A document of one element whose object the caller owns: the reader hands
// the first root element to it and refuses any other.
class TElementDoc : public TNYQDocBase {
public:
    explicit TElementDoc(TNYQBase& target) : FTarget(target) {}
    TNYQBase* HandleElement(TNYQReader& /*reader*/) override
    {
        if (FTaken)
            return nullptr;
        FTaken = true;
        return &FTarget;
    }

private:
    TNYQBase& FTarget;
    bool FTaken = false;
};

std::u16string U16Of(std::string_view utf8) { return Utf8ToUtf16(utf8); }

}  // namespace

void VYXDocxLoadPart(TDocxPartDoc& part, std::string_view xml, TNyqPErrors& errors)
{
    if (!xml.empty())
        Load(part, xml, errors);
}

std::string VYXDocxElementText(const TNYQBase& element, std::string_view name)
{
    TNyqWriteXML writer;
    NyqWriteChild(writer, name, element);
    return writer.TakeBytes();
}

void VYXDocxLoadElement(std::string_view xml, TNYQBase& target, TNyqPErrors& errors)
{
    TElementDoc doc(target);
    doc.LoadFromBuffer(xml);
    Forward(doc.Errors(), errors);
}

void VYXDocxReadSettings(std::string_view xml, TVYXLogDocEditor& doc, TNyqPErrors& errors)
{
    if (xml.empty())
        return;
    TDocxPartDoc part;
    Load(part, xml, errors);
    const TCT_Settings* s = part.FSettings.get();
    if (!s)
        return;
    if (s->FDefaultTabStop) {
        const long long twips = std::clamp(Number(s->FDefaultTabStop->FVal, 0), 0LL, 31680LL);
        doc.DOP().SetTabWidth(static_cast<double>(twips) / 20.0);
    }
    if (s->FTrackRevisions)
        doc.Revision().TrackChanges = On(*s->FTrackRevisions);
    if (const TCT_DocProtect* d = s->FDocumentProtection.get()) {
        TVYXDOPProtection& p = doc.DOP().Protection;
        const TST_DocProtect edit = d->FEdit.value_or(stdpNone);
        p.Editing = edit == stdpReadOnly         ? adpeReadOnly
                    : edit == stdpComments       ? adpeComments
                    : edit == stdpForms          ? adpeForms
                    : edit == stdpTrackedChanges ? adpeTrackChanges
                                                 : adpeNone;
        const std::string enforce = d->FEnforcement.value_or("");
        p.Enforcement = enforce == "1" || enforce == "true" || enforce == "on";
        p.CryptProviderType = d->FCryptProviderType ? U16Of(TST_CryptProvToStr(*d->FCryptProviderType)) : u"";
        p.CryptAlgorithmClass = d->FCryptAlgorithmClass ? U16Of(TST_AlgClassToStr(*d->FCryptAlgorithmClass)) : u"";
        p.CryptAlgorithmType = d->FCryptAlgorithmType ? U16Of(TST_AlgTypeToStr(*d->FCryptAlgorithmType)) : u"";
        p.CryptAlgorithmSid = d->FCryptAlgorithmSid ? U16Of(std::to_string(*d->FCryptAlgorithmSid)) : u"";
        p.CryptSpinCount = static_cast<int>(std::clamp<long long>(d->FCryptSpinCount.value_or(0), 0, 0x7FFFFFFF));
        p.Hash = U16Of(d->FHash.value_or(""));
        p.Salt = U16Of(d->FSalt.value_or(""));
    }
}

std::string VYXDocxWriteSettings(TVYXLogDocEditor& doc)
{
    TDocxPartDoc part;
    TCT_Settings& s = part.Create_Settings();
    if (doc.Revision().TrackChanges)
        s.Create_TrackRevisions();
    const TVYXDOPProtection& p = doc.DOP().Protection;
    if (p.Editing != adpeNone) {
        static constexpr TST_DocProtect cEdit[] = {stdpNone, stdpReadOnly, stdpComments, stdpForms, stdpTrackedChanges};
        TCT_DocProtect& d = s.Create_DocumentProtection();
        d.FEdit = cEdit[std::clamp(static_cast<int>(p.Editing), 0, 4)];
        if (p.Enforcement)
            d.FEnforcement = "1";
        // The legacy hashing attributes go together or not at all; values
        // the schema does not know are left out rather than written invalid.
        if (!p.Hash.empty() && !p.Salt.empty()) {
            d.FCryptProviderType = StrToTST_CryptProv(Utf16ToUtf8(p.CryptProviderType));
            d.FCryptAlgorithmClass = StrToTST_AlgClass(Utf16ToUtf8(p.CryptAlgorithmClass));
            d.FCryptAlgorithmType = StrToTST_AlgType(Utf16ToUtf8(p.CryptAlgorithmType));
            const long long sid = Number(Utf16ToUtf8(p.CryptAlgorithmSid), -1);
            if (sid >= 0)
                d.FCryptAlgorithmSid = sid;
            if (p.CryptSpinCount > 0)
                d.FCryptSpinCount = p.CryptSpinCount;
            d.FHash = Utf16ToUtf8(p.Hash);
            d.FSalt = Utf16ToUtf8(p.Salt);
        }
    }
    s.Create_DefaultTabStop().FVal = std::to_string(std::llround(doc.DOP().TabWidth * 20.0));
    if (doc.Headers().Find(ahftEven) || doc.Footers().Find(ahftEven))
        s.Create_EvenAndOddHeaders();
    s.Create_CharacterSpacingControl().FVal = stcsDoNotCompress;
    return part.SaveToString();
}

std::vector<std::u16string> VYXDocxReadFontTable(std::string_view xml, TNyqPErrors& errors)
{
    std::vector<std::u16string> names;
    if (xml.empty())
        return names;
    TDocxPartDoc part;
    Load(part, xml, errors);
    if (part.FFonts)
        for (const auto& font : part.FFonts->FFontList.GetItems())
            names.push_back(Utf8ToUtf16(font->FName));
    return names;
}

std::string VYXDocxWriteFontTable(const std::vector<std::u16string>& fonts)
{
    TDocxPartDoc part;
    TCT_FontsList& list = part.Create_Fonts();
    std::set<std::u16string> seen;
    for (const std::u16string& name : fonts) {
        if (name.empty() || !seen.insert(name).second)
            continue;
        list.SetHasChildren();
        list.FFontList.Add().FName = Utf16ToUtf8(name);
    }
    return part.SaveToString();
}

std::string VYXDocxWriteWebSettings()
{
    TDocxPartDoc part;
    TCT_WebSettings& web = part.Create_WebSettings();
    web.Create_OptimizeForBrowser();
    web.Create_AllowPNG();
    return part.SaveToString();
}
