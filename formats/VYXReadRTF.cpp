// VYXReadRTF.cpp: the RTF reader: tokenizer, group/state stack, text decoding and the public face.
//
// Grammar, as far as the reader cares:
//   file        := "{" "\rtf" N content "}"
//   content     := ( group | control | text )*
//   group       := "{" [ "\*" ] [ destination-word ] content "}"
//   control     := "\" letters [ "-" ] [ digits ] [ " " ]      a control word
//                | "\" non-letter                              a control symbol ("\'hh" takes two hex digits)
//   text        := any other byte; CR and LF are ignored
// "\binN" is followed by N raw bytes. A group saves the character, paragraph
// and destination state and restores it when it closes.
//
// Units: RTF lengths are twips (1/20 pt), font sizes half-points; the model
// takes points.
//
// Style sheet: a paragraph style's paragraph formats apply where \sN names it; an
// entry that lists only differences (it states no alignment) starts from its
// \sbasedon style's. Character formats of styles are not applied (character styles
// keep their names, kinds and bases only).
//
// Shapes: a \shp group whose \shpinst gives a box becomes a floating object anchored
// to the current paragraph: a picture for a "pib" picture, a text box for \shptxt
// (read into the box's own paragraphs), else a preset shape; its \shprslt fallback
// is read in place only when the shape was not understood.
//
// Not supported: old drawing objects (\do), group shapes (\shpgrp: their fallback
// is read), revision marks beyond keeping the text (\deleted text is kept as text).
//
// The parser (VYXReadRTFImpl.h) is split by seam: this unit tokenizes and decodes
// text; VYXReadRTFDestinations reads the destinations and the style sheet,
// VYXReadRTFProps the formatting keywords, VYXReadRTFParas and VYXReadRTFTables
// build paragraphs, runs and tables, VYXReadRTFObjects pictures, shapes, fields and notes.
#include "formats/VYXReadRTF.h"
#include "formats/VYXReadRTFImpl.h"

#include <algorithm>
#include <fstream>

#include "editing/VYXLogEditor.h"
#include "formats/VYXReadRTFTable.h"
#include "model/VYXCharProps.h"
#include "model/VYXDocData.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogParas.h"
#include "model/VYXNumbering.h"
#include "model/VYXParaProps.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTableProps.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"

namespace {

constexpr TRtfKeyword cRtfKeywords[] = {
#include "formats/VYXReadRTFKeywords.inc"
};

}  // namespace

std::span<const TRtfKeyword> VYXRtfKeywords() { return cRtfKeywords; }

const TRtfKeyword* VYXRtfFindKeyword(std::string_view name)
{
    const auto* end = std::end(cRtfKeywords);
    const auto* it = std::lower_bound(std::begin(cRtfKeywords), end, name,
                                      [](const TRtfKeyword& k, std::string_view n) { return k.Name < n; });
    return it != end && it->Name == name ? it : nullptr;
}

bool VYXLooksLikeRtf(std::string_view bytes) { return bytes.starts_with("{\\rt"); }

namespace vyx_rtf {

namespace {

int HexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::u16string Trim(std::u16string_view s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == u' ' || s[a] == u'\t' || s[a] == u'\r' || s[a] == u'\n'))
        ++a;
    while (b > a && (s[b - 1] == u' ' || s[b - 1] == u'\t' || s[b - 1] == u'\r' || s[b - 1] == u'\n'))
        --b;
    return std::u16string(s.substr(a, b - a));
}

TVYXRtfResult TRtfParser::Parse(std::string_view in)
{
    FIn = in;
    FPos = 0;
    try {
        while (FPos < FIn.size()) {
            const unsigned char c = static_cast<unsigned char>(FIn[FPos++]);
            switch (c) {
            case '\\':
                ControlWord();
                break;
            case '{':
                PushGroup();
                break;
            case '}':
                PopGroup();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Byte(c);
                break;
            }
        }
    } catch (const TParseError& e) {
        return e.Code;
    }
    return FStack.size() > 1 ? rtfEndOfFile : rtfOk;
}

void TRtfParser::ControlWord()
{
    if (FPos >= FIn.size())
        throw TParseError(rtfEndOfKeyword);
    const unsigned char c = static_cast<unsigned char>(FIn[FPos]);
    if (!IsLetter(c)) {
        ++FPos;
        if (c == '\'') {
            if (FPos + 2 > FIn.size())
                throw TParseError(rtfEndOfKeyword);
            const int hi = HexValue(static_cast<unsigned char>(FIn[FPos]));
            const int lo = HexValue(static_cast<unsigned char>(FIn[FPos + 1]));
            if (hi < 0 || lo < 0)
                throw TParseError(rtfInvalidHex);
            FPos += 2;
            Cur().SkipUnknown = false;
            HexByte(static_cast<unsigned char>(hi * 16 + lo));
            return;
        }
        const char symbol[1] = {static_cast<char>(c)};
        Keyword(std::string_view(symbol, 1), false, 0);
        return;
    }
    char word[32];
    std::size_t len = 0;
    while (FPos < FIn.size() && IsLetter(static_cast<unsigned char>(FIn[FPos]))) {
        const char l = FIn[FPos++];
        if (len < sizeof word)
            word[len++] = static_cast<char>(l >= 'A' && l <= 'Z' ? l + 32 : l);
    }
    bool hasParam = false, negative = false;
    std::int64_t value = 0;
    if (FPos < FIn.size() && FIn[FPos] == '-') {
        negative = true;
        if (++FPos >= FIn.size())
            throw TParseError(rtfEndOfKeyword);
    }
    while (FPos < FIn.size() && FIn[FPos] >= '0' && FIn[FPos] <= '9') {
        hasParam = true;
        if (value < 0x7FFFFFFF)
            value = value * 10 + (FIn[FPos] - '0');
        ++FPos;
    }
    if (FPos < FIn.size() && FIn[FPos] == ' ')
        ++FPos;
    value = std::min<std::int64_t>(value, 0x7FFFFFFF);
    const auto param = static_cast<std::int32_t>(negative ? -value : value);
    // A word longer than any known one is unknown.
    Keyword(len < sizeof word ? std::string_view(word, len) : std::string_view(), hasParam || negative, param);
}

void TRtfParser::Keyword(std::string_view word, bool hasParam, std::int32_t param)
{
    const TRtfKeyword* k = word.empty() ? nullptr : VYXRtfFindKeyword(word);
    TState& s = Cur();
    if (!k) {
        if (s.SkipUnknown) {
            FlushText();
            s.Class = dcIgnore;
            s.Dest = rtfdSkip;
        }
        s.SkipUnknown = false;
        return;
    }
    s.SkipUnknown = false;
    // A picture type word's number is not its type (\wmetafile8 names a mapping mode).
    const std::int32_t v = hasParam && k->Action != rtfpPictType ? param : (k->UseDefault ? k->Default : 0);
    switch (k->Kind) {
    case rtfkChar:
        if (s.Class == dcIgnore)
            return;
        if (FSkip > 0) {
            --FSkip;
            return;
        }
        PutChar(static_cast<char16_t>(k->Default));
        return;
    case rtfkDest:
        BeginDest(k->Action);
        return;
    case rtfkSpec:
        Special(k->Action, hasParam, v);
        return;
    case rtfkProp:
        break;
    }
    if (s.Class == dcIgnore)
        return;
    if (k->Action <= rtfpCharBorder)
        CharProp(k->Action, v);
    else if (k->Action <= rtfpListLevel)
        ParaProp(k->Action, v);
    else
        OtherProp(k->Action, v);
}

void TRtfParser::PushGroup()
{
    if (static_cast<int>(FStack.size()) > cMaxGroupDepth)
        throw TParseError(rtfStackOverflow);
    FlushText();
    FSkip = 0;
    TState copy = FStack.back();
    copy.OwnsDest = false;
    copy.SkipUnknown = false;
    FStack.push_back(std::move(copy));
}

void TRtfParser::PopGroup()
{
    if (FStack.size() <= 1)
        throw TParseError(rtfStackUnderflow);
    FlushText();
    FSkip = 0;
    if (Cur().Dest == rtfdStyleSheet && !Cur().OwnsDest && FStack.size() >= 2 &&
        FStack[FStack.size() - 2].Dest == rtfdStyleSheet && FStack[FStack.size() - 2].OwnsDest)
        EndStyle();
    // A note, header or text box whose last paragraph has no \par: that paragraph takes
    // the properties in effect where its group closes.
    if (Cur().OwnsDest && FTargets.size() > 1 &&
        (Cur().Dest == rtfdFootnote || Cur().Dest == rtfdShapeText || (Cur().Dest >= rtfdHeader && Cur().Dest <= rtfdFooterFirst))) {
        TTarget& t = Target();
        if (t.Para && !t.ParaEnded && t.Paras && t.Para->Paras() == t.Paras)
            ApplyParaProps(*t.Para);
    }
    // The outermost group closing: the last paragraph takes the properties in effect now.
    if (FStack.size() == 2 && FTargets.size() == 1) {
        TTarget& t = FTargets.front();
        if (t.Para && !t.ParaEnded && t.Paras)
            ApplyParaProps(*t.Para);
    }
    TState popped = std::move(FStack.back());
    FStack.pop_back();
    if (popped.OwnsDest)
        EndDest(popped);
    // A character border lasts as long as the group that made it.
    if (!Cur().Chp.Border && FBorderTarget == btChar)
        FBorderTarget = btNone;
}

// ---- Text ----

std::int32_t TRtfParser::CodePage()
{
    const TState& s = Cur();
    if (s.Dest == rtfdFontTable) {
        auto it = FFonts.find(FFontEntry);
        if (it != FFonts.end() && it->second.CodePage)
            return it->second.CodePage;
        return FDocCodePage;
    }
    std::int32_t font = s.Chp.Font >= 0 ? s.Chp.Font : FDefaultFont;
    if (font >= 0) {
        auto it = FFonts.find(font);
        if (it != FFonts.end() && it->second.CodePage)
            return it->second.CodePage;
    }
    return FDocCodePage;
}

void TRtfParser::Byte(unsigned char c)
{
    TState& s = Cur();
    if (s.Class == dcIgnore)
        return;
    if (s.Class == dcPicture) {
        const int h = HexValue(c);
        if (h < 0)
            return;  // layout blanks between the digits
        if (FPicture.Nibble < 0)
            FPicture.Nibble = h;
        else {
            FPicture.Bytes += static_cast<char>(FPicture.Nibble * 16 + h);
            FPicture.Nibble = -1;
        }
        return;
    }
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    if (c == ';' && (s.Class == dcFonts || s.Class == dcColors || s.Class == dcStyles)) {
        FlushText();
        if (s.Class == dcColors) {
            FColors.push_back(FColorGiven ? ColorRGB(FRed, FGreen, FBlue) : cVYXAutoColor);
            FColorGiven = false;
        } else if (s.Class == dcFonts) {
            if (auto it = FFonts.find(FFontEntry); it != FFonts.end())
                it->second.Name = Trim(it->second.Name);
            FFontEntry = -2;
        }  // names that follow belong to no entry until the next \f
        return;
    }
    if (c < 0x80 && FBytes.empty()) {
        FText += static_cast<char16_t>(c);
        return;
    }
    const std::int32_t cp = CodePage();
    if (!FBytes.empty() && cp != FBytesCodePage)
        DecodeBytes();
    FBytesCodePage = cp;
    FBytes += static_cast<char>(c);
}

void TRtfParser::HexByte(unsigned char c)
{
    TState& s = Cur();
    if (s.Class == dcIgnore)
        return;
    if (FSkip > 0) {
        --FSkip;
        return;
    }
    if (s.Class == dcPicture) {
        FPicture.Bytes += static_cast<char>(c);
        return;
    }
    if (c == 0 && FBytes.empty())
        return;  // a NUL is never text
    const std::int32_t cp = CodePage();
    if (!FBytes.empty() && cp != FBytesCodePage)
        DecodeBytes();
    FBytesCodePage = cp;
    FBytes += static_cast<char>(c);
}

void TRtfParser::DecodeBytes()
{
    if (FBytes.empty())
        return;
    if (FBytesCodePage == cVYXCodePageSymbol) {
        // Symbol fonts keep their glyphs in the private use area; ASCII stays readable.
        for (const char b : FBytes) {
            const auto u = static_cast<unsigned char>(b);
            FText += static_cast<char16_t>(u < 0x80 ? u : 0xF000 + u);
        }
    } else
        FText += VYXDecodeCodePage(FBytes, FBytesCodePage);
    FBytes.clear();
}

void TRtfParser::PutChar(char16_t c)
{
    if (Cur().Class == dcIgnore || Cur().Class == dcPicture)
        return;
    DecodeBytes();
    FText += c;
}

void TRtfParser::FlushText()
{
    DecodeBytes();
    if (FText.empty())
        return;
    std::u16string text;
    text.swap(FText);
    // \u escapes can name lone surrogates; the model keeps well-formed UTF-16.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (c >= 0xD800 && c <= 0xDFFF)
            text[i] = 0xFFFD;
    }
    switch (Cur().Class) {
    case dcText:
        AddText(text);
        break;
    case dcString:
    case dcFonts:
    case dcStyles:
        DeliverString(text);
        break;
    default:
        break;
    }
}

void TRtfParser::DeliverString(std::u16string_view text)
{
    TState& s = Cur();
    if (s.Class == dcFonts) {
        if (auto it = FFonts.find(FFontEntry); it != FFonts.end())
            it->second.Name += text;
        return;
    }
    if (s.Class == dcStyles) {
        FStyleEntry.Name += text;
        return;
    }
    if (s.Dest == rtfdFieldInstr && !FFields.empty()) {
        if (!FFields.back().DataField)
            FFields.back().Instr += text;
        return;
    }
    if (!FStrings.empty())
        FStrings.back() += text;
}

void TRtfParser::Finish()
{
    FlushText();
    while (FTargets.size() > 1)
        CloseTarget();
    // The last paragraph takes the properties in effect at the end.
    TTarget& t = FTargets.front();
    t.Tables.clear();
    // Pasted content whose last paragraph was ended brings that paragraph mark:
    // an empty paragraph after it takes the place of the inline rest.
    if (!FWhole && t.Para && t.ParaEnded && t.Paras && t.Paras->Last() == t.Para)
        t.Paras->AppendPara()->PAPX().Clear();
    for (auto& [name, bookmark] : FOpenBookmarks)
        if (t.Paras && t.Paras->Count() > 0)
            if (TVYXLogPara* last = t.Paras->_LastPara())
                last->EndBookmark(*bookmark);
    FOpenBookmarks.clear();
}

// A list that ends with a table gets an empty paragraph after it, at every depth.
void CloseTables(TVYXLogParas& paras, int depth)
{
    if (depth > cMaxTableDepth + 1)
        return;
    for (int i = 0; i < paras.Count(); ++i)
        if (TVYXTable* table = paras.GetItems(i)->IsTable() ? paras.GetTables(i) : nullptr) {
            for (int r = 0; r < table->Count(); ++r) {
                TVYXTableRow* row = table->GetRows(r);
                if (row->Count() == 0)
                    row->Add();
                for (int c = 0; c < row->Count(); ++c)
                    CloseTables(row->GetCells(c)->Paras(), depth + 1);
            }
            if (table->Count() == 0)
                table->Add()->Add();
        }
    if (paras.Count() > 0 && paras.Last()->IsTable())
        paras.AppendPara();
}

}  // namespace vyx_rtf

using vyx_rtf::CloseTables;
using vyx_rtf::TRtfParser;

TVYXReadRTF::TVYXReadRTF(TVYXLogDocEditor& doc) : FDoc(doc) {}
TVYXReadRTF::~TVYXReadRTF() = default;

std::string TVYXReadRTF::ReadFile(const std::string& fileName)
{
    if (fileName.empty())
        throw VYXException("Filename is missing");
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw VYXException("Cannot open file \"" + fileName + "\"");
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void TVYXReadRTF::LoadFromFile(const std::string& fileName) { LoadFromBytes(ReadFile(fileName)); }

void TVYXReadRTF::LoadFromFile(const std::string& fileName, TVYXLogParas& paras)
{
    LoadFromBytes(ReadFile(fileName), paras);
}

void TVYXReadRTF::LoadFromStream(TVYXStream& stream, TVYXLogParas& paras) { LoadFromBytes(stream.ReadAll(), paras); }

void TVYXReadRTF::LoadFromStream(TVYXStream& stream) { LoadFromBytes(stream.ReadAll()); }

void TVYXReadRTF::LoadFromBytes(std::string_view bytes) { Run(bytes, nullptr); }

void TVYXReadRTF::LoadFromBytes(std::string_view bytes, TVYXLogParas& paras) { Run(bytes, &paras); }

void TVYXReadRTF::Run(std::string_view bytes, TVYXLogParas* paras)
{
    TVYXEditorUpdate update(FDoc);
    const bool whole = paras == nullptr;
    if (whole) {
        FDoc.Clear();
        FDoc.Paras().Clear();
        // What RTF means when a file states nothing: 12 points, single spacing, no space after.
        FDoc.GetMasterCHP().Size = 12;
        FDoc.GetMasterPAP().SetDefault(true);
    }
    TVYXLogParas& target = whole ? FDoc.Paras() : *paras;
    TVYXRtfResult result = rtfOk;
    {
        TRtfParser parser(FDoc, target, whole, ImportDocumentSettings);
        if (!VYXLooksLikeRtf(bytes))
            result = rtfNotRtf;
        else
            result = parser.Parse(bytes);
        parser.Finish();
        FGenerator = parser.Generator;
    }
    // Whatever happened, the lists stay valid: tables closed, every list and cell holding a paragraph.
    auto tidy = [](TVYXLogParas& list) {
        CloseTables(list, 0);
        list.CombineCharRuns();
        list.Validate();
    };
    tidy(target);
    if (whole) {
        for (TVYXHeadersFooters* hf : {&FDoc.Headers(), &FDoc.Footers()})
            for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
                if (TVYXLogDocEditor* editor = hf->Find(type))
                    tidy(editor->Paras());
        tidy(FDoc.Footnotes().Paras());
        tidy(FDoc.Endnotes().Paras());
        FDoc.FootnoteList().Reindex();
        FDoc.EndnoteList().Reindex();
    }
    if (result != rtfOk)
        throw VYXException("Error while reading RTF document (" + std::to_string(static_cast<int>(result)) + ")");
}
