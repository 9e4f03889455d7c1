// VYXSpellCheck.cpp: the word walk, the dictionary list and the Hunspell implementation.
#include "spell/VYXSpellCheck.h"

#include <hunspell/hunspell.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "model/VYXCharRun.h"
#include "model/VYXDocProps.h"
#include "model/VYXLogParas.h"
#include "platform/VYXCodePage.h"
#include "platform/VYXUnicode.h"
#include "spell/VYXSpellQueue.h"

// ---------------------------------------------------------------- characters

namespace {
enum TCharClass { ccOther, ccLetter, ccMark };

struct TRange {
    char16_t From, To;
    TCharClass Class;
};

// Letters and combining marks of the scripts dictionaries exist for, sorted. A coarse
// table (no code points are looked up one by one) that keeps the walk fast; signs,
// digits and punctuation inside a block are carved out where dictionaries need it.
constexpr TRange cRanges[] = {
    {0x0041, 0x005A, ccLetter}, {0x0061, 0x007A, ccLetter}, {0x00AA, 0x00AA, ccLetter},
    {0x00B5, 0x00B5, ccLetter}, {0x00BA, 0x00BA, ccLetter}, {0x00C0, 0x00D6, ccLetter},
    {0x00D8, 0x00F6, ccLetter}, {0x00F8, 0x02C1, ccLetter}, {0x02C6, 0x02D1, ccLetter},
    {0x02E0, 0x02E4, ccLetter}, {0x0300, 0x036F, ccMark},   {0x0370, 0x0374, ccLetter},
    {0x0376, 0x037D, ccLetter}, {0x037F, 0x037F, ccLetter}, {0x0386, 0x0386, ccLetter},
    {0x0388, 0x03F5, ccLetter}, {0x03F7, 0x0481, ccLetter}, {0x0483, 0x0489, ccMark},
    {0x048A, 0x052F, ccLetter}, {0x0531, 0x0556, ccLetter}, {0x0559, 0x0559, ccLetter},
    {0x0560, 0x0588, ccLetter}, {0x0591, 0x05BD, ccMark},   {0x05BF, 0x05BF, ccMark},
    {0x05C1, 0x05C2, ccMark},   {0x05C4, 0x05C5, ccMark},   {0x05C7, 0x05C7, ccMark},
    {0x05D0, 0x05EA, ccLetter}, {0x05EF, 0x05F2, ccLetter}, {0x0610, 0x061A, ccMark},
    {0x0620, 0x064A, ccLetter}, {0x064B, 0x065F, ccMark},   {0x066E, 0x066F, ccLetter},
    {0x0670, 0x0670, ccMark},   {0x0671, 0x06D3, ccLetter}, {0x06D5, 0x06D5, ccLetter},
    {0x06D6, 0x06DC, ccMark},   {0x06DF, 0x06E8, ccMark},   {0x06EA, 0x06ED, ccMark},
    {0x06EE, 0x06EF, ccLetter}, {0x06FA, 0x06FC, ccLetter}, {0x0900, 0x0903, ccMark},
    {0x0904, 0x0939, ccLetter}, {0x093A, 0x094F, ccMark},   {0x0950, 0x0950, ccLetter},
    {0x0951, 0x0957, ccMark},   {0x0958, 0x0961, ccLetter}, {0x0962, 0x0963, ccMark},
    {0x0971, 0x0980, ccLetter}, {0x0981, 0x0983, ccMark},   {0x0985, 0x09B9, ccLetter},
    {0x09BC, 0x09D7, ccMark},   {0x09DC, 0x09E1, ccLetter}, {0x09E2, 0x09E3, ccMark},
    {0x0A00, 0x0A65, ccLetter}, {0x0A80, 0x0AE5, ccLetter}, {0x0B00, 0x0B65, ccLetter},
    {0x0B80, 0x0BE5, ccLetter}, {0x0C00, 0x0C65, ccLetter}, {0x0C80, 0x0CE5, ccLetter},
    {0x0D00, 0x0D65, ccLetter}, {0x0D80, 0x0DE5, ccLetter}, {0x0E01, 0x0E30, ccLetter},
    {0x0E31, 0x0E3A, ccMark},   {0x0E40, 0x0E46, ccLetter}, {0x0E47, 0x0E4E, ccMark},
    {0x0E81, 0x0EC6, ccLetter}, {0x0EC8, 0x0ECD, ccMark},   {0x10A0, 0x10FF, ccLetter},
    {0x1100, 0x11FF, ccLetter}, {0x1E00, 0x1FBC, ccLetter}, {0x1FC2, 0x1FCC, ccLetter},
    {0x1FD0, 0x1FDB, ccLetter}, {0x1FE0, 0x1FEC, ccLetter}, {0x1FF2, 0x1FFC, ccLetter},
    {0x20D0, 0x20F0, ccMark},   {0x2C00, 0x2DFF, ccLetter}, {0x3041, 0x3096, ccLetter},
    {0x3099, 0x309A, ccMark},   {0x309D, 0x30FF, ccLetter}, {0x3400, 0x4DBF, ccLetter},
    {0x4E00, 0x9FFF, ccLetter}, {0xA640, 0xA66E, ccLetter}, {0xA680, 0xA69D, ccLetter},
    {0xA722, 0xA7FF, ccLetter}, {0xAC00, 0xD7A3, ccLetter}, {0xFB00, 0xFB4F, ccLetter},
    {0xFE20, 0xFE2F, ccMark},   {0xFF21, 0xFF3A, ccLetter}, {0xFF41, 0xFF5A, ccLetter},
};

// Flags of the ASCII characters, looked up once per character of the walk.
enum : unsigned char { afLetter = 1, afBlank = 2 };
constexpr auto cAsciiFlags = [] {
    std::array<unsigned char, 128> flags{};
    for (int c = 'a'; c <= 'z'; ++c)
        flags[static_cast<std::size_t>(c)] = afLetter;
    for (int c = 'A'; c <= 'Z'; ++c)
        flags[static_cast<std::size_t>(c)] = afLetter;
    for (char c : {' ', '\t', '\r', '\n', '\v', '\f'})
        flags[static_cast<std::size_t>(c)] = afBlank;
    return flags;
}();

[[gnu::noinline]] TCharClass ClassOfWide(char16_t c)
{
    const auto* end = std::end(cRanges);
    const auto* it = std::upper_bound(std::begin(cRanges), end, c,
                                      [](char16_t v, const TRange& r) { return v < r.From; });
    if (it == std::begin(cRanges))
        return ccOther;
    --it;
    return c <= it->To ? it->Class : ccOther;
}

inline TCharClass ClassOf(char16_t c)
{
    if (c < 0x80)
        return cAsciiFlags[c] & afLetter ? ccLetter : ccOther;
    return ClassOfWide(c);
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline bool IsBlank(char16_t c) { return c < 0x80 ? (cAsciiFlags[c] & afBlank) != 0 : c == 0xA0; }

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix)
{
    return text.size() >= prefix.size() && SameTextAscii(text.substr(0, prefix.size()), prefix);
}

// Web and mail addresses are not words of any language.
bool IsAddressToken(std::u16string_view token)
{
    if (token.find(u"://") != std::u16string_view::npos || StartsWithNoCase(token, u"www.") ||
        StartsWithNoCase(token, u"mailto:"))
        return true;
    const std::size_t at = token.find(u'@');
    return at != std::u16string_view::npos && at > 0 && token.find(u'.', at) != std::u16string_view::npos;
}
}  // namespace

bool VYXIsWordLetter(char16_t c) { return ClassOf(c) == ccLetter; }

void VYXSpellWords(std::u16string_view text, std::vector<TVYXSpellWord>& words)
{
    words.clear();
    const std::size_t n = text.size();
    std::size_t tokenEnd = 0;  // end of the current blank-separated token, once looked at
    std::size_t i = 0;
    while (i < n) {
        if (i >= tokenEnd) {
            // At the start of a token, skip it whole when it is an address.
            while (i < n && IsBlank(text[i]))
                ++i;
            tokenEnd = i;
            bool maybeAddress = i < n && (text[i] == u'w' || text[i] == u'W');
            while (tokenEnd < n && !IsBlank(text[tokenEnd])) {
                maybeAddress |= text[tokenEnd] == u':' || text[tokenEnd] == u'@';
                ++tokenEnd;
            }
            if (maybeAddress && IsAddressToken(text.substr(i, tokenEnd - i))) {
                i = tokenEnd;
                continue;
            }
        }
        if (ClassOf(text[i]) != ccLetter) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < n && ClassOf(text[i]) != ccOther)
            ++i;
        if (start > 0 && IsDigit(text[start - 1]))
            continue;  // "3rd", "1990s": an ordinal or a number's suffix
        words.push_back({start, i - start});
    }
}

// ---------------------------------------------------------------- dictionaries

const std::vector<TVYXSSLanguage>& VYXSpellLanguages()
{
    // Constant after first use; no state changes afterwards.
    static const std::vector<TVYXSSLanguage> languages = {
        {"English (British)", "en_GB"},   {"Bulgarian", "bg_BG"},
        {"Spanish (Catalan)", "ca_ES"},   {"Czech", "cz_CZ"},
        {"Danish", "da_DK"},              {"German", "de_DE_neu"},
        {"Greek", "el_GR"},               {"English (Australian)", "en_AU"},
        {"English (Canadian)", "en_CA"},  {"English (USA)", "en_US"},
        {"Spanish", "es_ES"},             {"French", "fr_FR"},
        {"Hebrew", "he_IL"},              {"Indian (Hindi)", "hi_IN"},
        {"Croation", "hr_HR"},            {"Hungarian", "hu_HU"},
        {"Indonesia", "id_ID"},           {"Italian", "it_IT"},
        {"Lithuanian", "lt_LT"},          {"Latvian", "lv_LV"},
        {"Norwegian (Bokmal)", "nb_NO"},  {"Dutch", "nl_NL"},
        {"Polish", "pl_PL"},              {"Portugese (Brazil)", "pt_BR"},
        {"Portugese", "pt_PT"},           {"Romanian", "ro_RO"},
        {"Russian", "ru_RU"},             {"Slovak", "sk_SK"},
        {"Slovenian", "sl_SL"},           {"Serbian (Cyrillic and Latin)", "sr"},
        {"Swedish", "sv_SE"},             {"Ukrainian", "uk_UA"},
        {"Vietnamese", "vi_VN"},          {"Latin (universal)", "la_universal"},
        {"Latin (classic)", "la_classic"},
    };
    return languages;
}

namespace {
bool IsFile(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(name, ec);
}
}  // namespace

void TVYXSSDictionaries::AddAll(const std::string& path)
{
    FItems.clear();
    FPath = path;
    if (FPath.empty())
        return;
    if (FPath.back() != '/')
        FPath += '/';
    for (const TVYXSSLanguage& lang : VYXSpellLanguages())
        Add(lang.EnglishName, lang.Id);
}

TVYXSSDictionary* TVYXSSDictionaries::Add(const std::string& englishName, const std::string& id)
{
    if (FPath.empty() || !IsFile(FPath + id + ".dic"))
        return nullptr;
    return Add(englishName, id, IsFile(FPath + id + ".aff") ? id + ".aff" : std::string(), id + ".dic");
}

TVYXSSDictionary* TVYXSSDictionaries::Add(const std::string& englishName, const std::string& id,
                                          const std::string& affFile, const std::string& dicFile)
{
    auto full = [this](const std::string& name) {
        return name.empty() || name.front() == '/' ? name : FPath + name;
    };
    auto d = std::make_unique<TVYXSSDictionary>();
    d->FEnglishName = englishName;
    d->FLocalName = englishName;
    d->FIdName = id;
    d->FAffFilename = full(affFile);
    d->FDictFilename = full(dicFile);
    FItems.push_back(std::move(d));
    return FItems.back().get();
}

TVYXSSDictionary* TVYXSSDictionaries::Find(std::string_view id) const
{
    for (const auto& d : FItems)
        if (d->FIdName == id)
            return d.get();
    return nullptr;
}

void TVYXSSDictionaries::FillStrings(std::vector<std::string>& list) const
{
    list.clear();
    for (const auto& d : FItems)
        list.push_back(d->FEnglishName + " [" + d->FIdName + "]");
}

// ---------------------------------------------------------------- Hunspell

struct TVYXSpellCheckerHunSpell::TConv {
    explicit TConv(int codePage) : Encoder(codePage), CodePage(codePage) {}
    TVYXCodePageEncoder Encoder;
    int CodePage;
};

namespace {
// Hunspell names encodings as the affix file's SET line does: "UTF-8",
// "ISO8859-1", "microsoft-cp1251", "KOI8-R"; 0 when we have no converter for it.
int CodePageOfDictEncoding(std::string name)
{
    name = AsciiLower(name);
    if (name.rfind("iso8859", 0) == 0)
        name = "iso-" + name.substr(3);
    else if (name.rfind("microsoft-", 0) == 0)
        name = name.substr(10);
    return VYXCodePageFromName(name);
}
}  // namespace

TVYXSpellCheckerHunSpell::TVYXSpellCheckerHunSpell(std::string libraryPath, std::string dictionaryPath)
    : FDLLPath(std::move(libraryPath)), FDictionaries(std::make_unique<TVYXSSDictionaries>())
{
    FDictionaries->AddAll(dictionaryPath);
}

TVYXSpellCheckerHunSpell::~TVYXSpellCheckerHunSpell() { Close(); }

void TVYXSpellCheckerHunSpell::Close()
{
    if (FHandle)
        Hunspell_destroy(static_cast<Hunhandle*>(FHandle));
    FHandle = nullptr;
    FConv.reset();
    FReady = false;
    FCurrDictionary.clear();
    FEncodingName.clear();
}

bool TVYXSpellCheckerHunSpell::Initiate(std::string_view id)
{
    const std::string want = id.empty() ? FDefaultDict : std::string(id);
    // The dictionary already open stays (reading one takes tens of milliseconds, and
    // words added to it stay with it); another one replaces it.
    if (FReady && want == FCurrDictionary)
        return true;
    Close();
    const TVYXSSDictionary* dict = FDictionaries->Find(want);
    if (!dict) {
        FMessage = "No dictionary \"" + want + "\" in \"" + FDictionaries->Path() +
                   "\" (install its hunspell-* package or name another folder)";
        return false;
    }
    if (!IsFile(dict->FDictFilename) || (!dict->FAffFilename.empty() && !IsFile(dict->FAffFilename))) {
        FMessage = "Dictionary files of \"" + want + "\" are missing";
        return false;
    }
    // Hunspell reads both files here; an affix-less dictionary gets an empty affix set.
    FHandle = Hunspell_create(dict->FAffFilename.c_str(), dict->FDictFilename.c_str());
    if (!FHandle) {
        FMessage = "Hunspell could not open the dictionary \"" + want + "\"";
        return false;
    }
    const char* enc = Hunspell_get_dic_encoding(static_cast<Hunhandle*>(FHandle));
    FEncodingName = enc ? enc : "ISO8859-1";
    FCodePage = CodePageOfDictEncoding(FEncodingName);
    if (FCodePage == 0) {
        FMessage = "The dictionary \"" + want + "\" uses the encoding \"" + FEncodingName + "\", which is not supported";
        Close();
        return false;
    }
    FConv = std::make_unique<TConv>(FCodePage);
    FCurrDictionary = want;
    FMessage.clear();
    FReady = true;
    return true;
}

bool TVYXSpellCheckerHunSpell::Encode(std::u16string_view word, std::string& out)
{
    out.clear();
    if (!FConv)
        return false;
    if (FCodePage == cVYXCodePageUtf8) {
        // Most dictionaries are UTF-8; words are short, so a direct loop beats a converter.
        out.resize(word.size());
        std::size_t ascii = 0;
        while (ascii < word.size() && word[ascii] < 0x80) {
            out[ascii] = static_cast<char>(word[ascii]);
            ++ascii;
        }
        if (ascii == word.size())
            return true;
        out.clear();
        for (std::size_t i = 0; i < word.size(); ++i) {
            char32_t cp = word[i];
            if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < word.size() && word[i + 1] >= 0xDC00 && word[i + 1] < 0xE000)
                cp = 0x10000 + ((cp - 0xD800) << 10) + (word[++i] - 0xDC00);
            if (cp < 0x80)
                out += static_cast<char>(cp);
            else
                AppendUtf8(out, cp);
        }
        return true;
    }
    FConv->Encoder.Put(word, out);
    // A "?" the word did not have means a character the dictionary's code page lacks.
    return std::count(out.begin(), out.end(), '?') == std::count(word.begin(), word.end(), u'?');
}

bool TVYXSpellCheckerHunSpell::CheckWord(std::u16string_view word)
{
    if (!FHandle)
        return false;
    if (!Encode(word, FScratch))
        return false;  // no word of the dictionary can hold that character
    return Hunspell_spell(static_cast<Hunhandle*>(FHandle), FScratch.c_str()) != 0;
}

template <class F>
void TVYXSpellCheckerHunSpell::List(std::u16string_view word, std::vector<std::u16string>& list, const F& call)
{
    list.clear();
    std::string bytes;
    if (!FHandle || !Encode(word, bytes))
        return;
    auto* h = static_cast<Hunhandle*>(FHandle);
    char** items = nullptr;
    const int n = call(h, &items, bytes.c_str());
    for (int i = 0; i < n; ++i)
        list.push_back(VYXDecodeCodePage(items[i], FCodePage));
    if (items)
        Hunspell_free_list(h, &items, n);
}

void TVYXSpellCheckerHunSpell::GetSuggestions(std::u16string_view word, std::vector<std::u16string>& list)
{
    List(word, list, [](Hunhandle* h, char*** items, const char* w) { return Hunspell_suggest(h, items, w); });
}

void TVYXSpellCheckerHunSpell::Stem(std::u16string_view word, std::vector<std::u16string>& list)
{
    List(word, list, [](Hunhandle* h, char*** items, const char* w) { return Hunspell_stem(h, items, w); });
}

void TVYXSpellCheckerHunSpell::Analyze(std::u16string_view word, std::vector<std::u16string>& list)
{
    List(word, list, [](Hunhandle* h, char*** items, const char* w) { return Hunspell_analyze(h, items, w); });
}

bool TVYXSpellCheckerHunSpell::AddWordWithAffix(std::u16string_view word, std::u16string_view example)
{
    std::string bytes, model;
    if (!FHandle || word.empty() || example.empty() || !Encode(word, bytes) || !Encode(example, model))
        return false;
    return Hunspell_add_with_affix(static_cast<Hunhandle*>(FHandle), bytes.c_str(), model.c_str()) == 0;
}

bool TVYXSpellCheckerHunSpell::RemoveWord(std::u16string_view word)
{
    std::string bytes;
    if (!FHandle || word.empty() || !Encode(word, bytes))
        return false;
    return Hunspell_remove(static_cast<Hunhandle*>(FHandle), bytes.c_str()) == 0;
}

bool TVYXSpellCheckerHunSpell::AddWord(std::u16string_view word)
{
    std::string bytes;
    if (!FHandle || word.empty() || !Encode(word, bytes))
        return false;
    return Hunspell_add(static_cast<Hunhandle*>(FHandle), bytes.c_str()) == 0;
}

// ---------------------------------------------------------------- checker

TVYXSpellChecker::TVYXSpellChecker(std::string libraryPath, std::string dictionaryPath)
    : FSSImpl(std::make_unique<TVYXSpellCheckerHunSpell>(std::move(libraryPath), std::move(dictionaryPath)))
{
}

TVYXSpellChecker::TVYXSpellChecker(std::unique_ptr<TVYXSpellCheckerImpl> impl)
    : FSSImpl(impl ? std::move(impl) : std::make_unique<TVYXSpellCheckerImpl>())
{
}

TVYXSpellChecker::~TVYXSpellChecker() = default;

std::string TVYXSpellChecker::Message() const
{
    if (FReady)
        return {};
    const std::string& reason = FSSImpl->Message();
    return std::string(cVYXSpellNotReady) + " (" + (reason.empty() ? std::string("no dictionary opened") : reason) + ")";
}

bool TVYXSpellChecker::BeginCheck(std::string_view dictionaryId)
{
    FReady = FSSImpl->Initiate(dictionaryId);
    if (FReady) {
        FWordCount = 0;
        FErrorCount = 0;
        FStopWatch.Begin();
    }
    return FReady;
}

void TVYXSpellChecker::EndCheck() { FStopWatch.End(); }

double TVYXSpellChecker::GetCheckTimeMS() const { return FStopWatch.ElapsedMS(); }

void TVYXStopWatch::Begin()
{
    FStart = FStop = std::chrono::steady_clock::now();
    FRunning = true;
}

void TVYXStopWatch::End()
{
    if (FRunning)
        FStop = std::chrono::steady_clock::now();
    FRunning = false;
}

double TVYXStopWatch::ElapsedMS() const
{
    const auto stop = FRunning ? std::chrono::steady_clock::now() : FStop;
    return std::chrono::duration<double, std::milli>(stop - FStart).count();
}

bool TVYXSpellChecker::WordIsCorrect(std::u16string_view word)
{
    if (!FIgnored.empty() && FIgnored.count(std::u16string(word)))
        return true;
    return FSSImpl->CheckWord(word);
}

bool TVYXSpellChecker::Check(std::u16string_view word)
{
    FSuggestions.clear();
    if (!FReady)
        return false;
    if (WordIsCorrect(word))
        return true;
    FSSImpl->GetSuggestions(word, FSuggestions);
    return false;
}

void TVYXSpellChecker::Suggest(std::u16string_view word, std::vector<std::u16string>& list)
{
    list.clear();
    if (FReady)
        FSSImpl->GetSuggestions(word, list);
}

void TVYXSpellChecker::Check(TVYXLogParas& paras)
{
    if (!FReady)
        return;
    for (int i = 0; i < paras.Count(); ++i)
        CheckItem(paras, *paras.GetItems(i));
}

void TVYXSpellChecker::CheckItem(TVYXLogParas& paras, TVYXLogParaItem& item)
{
    if (item.IsPara()) {
        Check(paras, static_cast<TVYXLogPara&>(item));
        return;
    }
    if (!item.IsTable())
        return;
    auto& table = static_cast<TVYXTable&>(item);
    for (int r = 0; r < table.Count(); ++r) {
        TVYXTableRow* row = table.GetRows(r);
        for (int c = 0; c < row->Count(); ++c)
            Check(row->GetCells(c)->Paras());
    }
}

void TVYXSpellChecker::Check(TVYXLogParas& paras, TVYXLogPara& para)
{
    (void)paras;
    if (!FReady)
        return;
    TVYXCharRuns& runs = para.CharRuns();
    // The paragraph's characters by position (index = position - 1). Runs that
    // show no words of the author's (tabs, pictures, field codes and fields' generated
    // results) stand as blanks of their length; a link's text is checked.
    // The marks already there are collected as ranges, runs of one word joined.
    FText.clear();
    FOldMarks.clear();
    for (int i = 0; i < runs.Count(); ++i) {
        const TVYXCharRun* run = runs.Items(i);
        const std::int32_t len = std::max<std::int32_t>(run->Len(), 0);
        const auto from = static_cast<std::int32_t>(FText.size()) + 1;
        const TVYXCharRunType type = run->Type_();
        if ((type == acrtText || type == acrtHyperlink) && static_cast<std::int32_t>(run->Text().size()) == len)
            FText += run->Text();
        else
            FText.append(static_cast<std::size_t>(len), u' ');
        if (const TVYXCHPX* chpx = run->CHPX(); chpx && len > 0 && chpx->GetMisspelled()) {
            if (!FOldMarks.empty() && FOldMarks.back().second == from)
                FOldMarks.back().second = from + len;
            else
                FOldMarks.emplace_back(from, from + len);
        }
    }

    VYXSpellWords(FText, FWords);
    FNewMarks.clear();
    const std::int32_t endPos = para.EndOfParaPos();
    for (const TVYXSpellWord& w : FWords) {
        ++FWordCount;
        const std::u16string_view word(FText.data() + w.Start, w.Length);
        if (WordIsCorrect(word))
            continue;
        ++FErrorCount;
        const auto from = static_cast<std::int32_t>(w.Start) + 1;
        FNewMarks.emplace_back(from, std::min(static_cast<std::int32_t>(w.Start + w.Length) + 1, endPos));
        if (MisspelledEvent)
            MisspelledEvent(para, from, word);
    }
    // A re-check that finds what is marked already leaves the runs (and the layout) alone.
    if (FNewMarks == FOldMarks)
        return;
    if (!FOldMarks.empty()) {
        runs.ClearMisspelled();
        para.CombineCharRuns();
    }
    TVYXCHPX mark(nullptr);
    mark.SetMisspelled(true);
    for (const auto& [from, to] : FNewMarks)
        para.FormatRange(&mark, from, to);
}

int TVYXSpellChecker::Check(TVYXSpellQueue& queue)
{
    if (!FReady)
        return 0;
    TVYXLogParas& body = queue.Document().Paras();
    int count = 0;
    for (const TVYXDocAddress& address : queue.Take()) {
        TVYXLogParas* list = VYXListAt(body, address.Path);
        if (!list || address.Item < 0 || address.Item >= list->Count())
            continue;  // gone since it was queued
        CheckItem(*list, *list->GetItems(address.Item));
        ++count;
    }
    return count;
}
