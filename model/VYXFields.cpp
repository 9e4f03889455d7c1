// VYXFields.cpp: fields, hyperlinks, bookmarks, comments, permissions and their lists.
#include "model/VYXFields.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "model/VYXUtils.h"
#include "platform/VYXErrors.h"
#include "platform/VYXLocale.h"
#include "platform/VYXUnicode.h"

namespace {
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
std::u16string_view TrimView(std::u16string_view text) { return VYXTrim(text, true); }
std::u16string_view UnquoteView(std::u16string_view text) { return VYXUnquote(text); }

// The instruction after its first word, untrimmed.
std::u16string_view AfterKeyword(std::u16string_view instruction)
{
    instruction = TrimView(instruction);
    std::size_t i = 0;
    while (i < instruction.size() && !IsBlank(instruction[i]))
        ++i;
    return instruction.substr(i);
}

constexpr int cUnixEpochDays = 25569;  // 1970-01-01 counted from 1899-12-30
}  // namespace

// ---- Dates ---------------------------------------------------------------------

std::u16string VYXFormatShortDate(double date, std::u16string_view pattern)
{
    using namespace std::chrono;
    if (!std::isfinite(date) || date < -657434 || date > 2958465)  // years 100 to 9999
        return {};
    const auto days = static_cast<int>(std::floor(date)) - cUnixEpochDays;
    const year_month_day ymd{sys_days{} + std::chrono::days{days}};
    const int y = static_cast<int>(ymd.year());
    const auto m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    const auto d = static_cast<int>(static_cast<unsigned>(ymd.day()));
    auto num = [](int value, std::size_t width) {
        std::u16string s = U16(std::to_string(value));
        while (s.size() < width)
            s.insert(s.begin(), u'0');
        return s;
    };
    std::u16string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char16_t c = pattern[i];
        std::size_t n = 1;
        while (i + n < pattern.size() && pattern[i + n] == c)
            ++n;
        if (c == u'd' && n <= 2)
            out += num(d, n);
        else if (c == u'M' && n <= 2)
            out += num(m, n);
        else if (c == u'y')
            out += n <= 2 ? num(y % 100, 2) : num(y, 4);
        else
            out.append(pattern.substr(i, n));
        i += n;
    }
    return out;
}

// ---- Ranges ----------------------------------------------------------------------

bool TVYXFieldSelectionImpl::SamePara() const
{
    if (FirstRun && LastRun)
        return FirstRun->Parent() == LastRun->Parent();
    return FirstPara == LastPara;
}

void TVYXFieldSelectionImpl::ForEachRun(const std::function<void(TVYXCharRun& run)>& visit) const
{
    if (!FirstRun || !LastRun || !FirstRun->Parent() || !LastRun->Parent())
        return;
    TVYXCharRuns* first = FirstRun->Parent();
    TVYXCharRuns* last = LastRun->Parent();
    auto visitList = [&](TVYXCharRuns& runs, int from, int to) {  // [from, to)
        for (int i = std::max(from, 0); i < std::min(to, runs.Count()); ++i)
            visit(*runs.Items(i));
    };
    if (first == last) {
        visitList(*first, FirstRun->Index() + 1, LastRun->Index());
        return;
    }
    visitList(*first, FirstRun->Index() + 1, first->Count());
    if (Body) {
        const auto paras = Body->Paras();
        auto at = std::find_if(paras.begin(), paras.end(), [&](const TVYXParaRef& p) { return p.Runs == first; });
        if (at != paras.end())
            for (++at; at != paras.end() && at->Runs != last; ++at)
                if (at->Runs)
                    visitList(*at->Runs, 0, at->Runs->Count());
    }
    visitList(*last, 0, LastRun->Index());
}

std::u16string TVYXFieldSelectionImpl::GetPlainText() const
{
    std::u16string text;
    const TVYXCharRuns* list = FirstRun ? FirstRun->Parent() : nullptr;
    ForEachRun([&](TVYXCharRun& run) {
        if (run.Parent() != list) {
            text += u"\r\n";
            list = run.Parent();
        }
        text += run.GetPlainText();
    });
    if (LastRun && list != LastRun->Parent() && !SamePara())
        text += u"\r\n";
    return text;
}

void TVYXFieldSelectionImpl::SetPlainText(std::u16string_view text)
{
    if (!IsRange() || !SamePara() || !FirstRun->Parent())
        return;
    TVYXCharRuns& runs = *FirstRun->Parent();
    std::unique_ptr<TVYXCHPX> format;
    if (const TVYXCHPX* chpx = FirstRun->TextCHPX()) {
        format = std::make_unique<TVYXCHPX>(chpx->CHP());
        format->Assign(*chpx, nullptr, nullptr);
    }
    // No update bracket: the loop relies on the indexes the list keeps after each deletion.
    while (LastRun->Index() > FirstRun->Index() + 1)
        if (!runs.Delete(FirstRun->Index() + 1))
            break;  // a protected run stays
    if (LastRun->Index() == FirstRun->Index() + 1)
        runs.Insert(LastRun->Index(), format.get())->SetRawText(text);
}

std::unique_ptr<TVYXFieldSelectionImpl> VYXInsertLinkedRange(TVYXMarkupObject* markup, TVYXCharRunLinkedType type,
                                                             TVYXCharRuns& firstRuns, int firstIndex,
                                                             TVYXCharRuns& lastRuns, int lastIndex)
{
    firstIndex = std::clamp(firstIndex, 0, firstRuns.Count());
    lastIndex = std::clamp(lastIndex, 0, lastRuns.Count());
    if (&firstRuns == &lastRuns && lastIndex < firstIndex)
        std::swap(firstIndex, lastIndex);
    // The end goes in first so that, in one list, the start index still holds.
    auto* last = lastRuns.InsertLinked(lastIndex, nullptr, markup, type);
    auto* first = firstRuns.InsertLinked(firstIndex, nullptr, markup, type);
    first->LinkTo(*last);
    auto range = std::make_unique<TVYXFieldSelectionImpl>();
    range->FirstRun = first;
    range->LastRun = last;
    return range;
}

// ---- Markup objects ------------------------------------------------------------

TVYXMarkup::TVYXMarkup(std::unique_ptr<TVYXFieldSelection> selection) : Selection(std::move(selection)) {}
TVYXMarkup::~TVYXMarkup() = default;

TVYXComment::TVYXComment(std::unique_ptr<TVYXFieldSelection> selection)
    : TVYXMarkup(std::move(selection)), DateTime(VYXNowDateTime())
{
}

void TVYXPermission::Unprotect()
{
    if (auto* range = dynamic_cast<TVYXFieldSelectionImpl*>(Selection.get()))
        range->ForEachRun([](TVYXCharRun& run) { run.SetReadOnly(false); });
}

// ---- Keyed lists -------------------------------------------------------------------

template <class T>
const T* TVYXKeyedList<T>::FindKey(const std::u16string& key) const
{
    auto it = FIndex.find(key);
    return it == FIndex.end() ? nullptr : it->second;
}

template <class T>
T* TVYXKeyedList<T>::AddKeyed(std::unique_ptr<T> item, const std::u16string& key)
{
    T* result = this->Append(std::move(item));
    FIndex.emplace(key, result);  // keeps an earlier item of the key
    return result;
}

template <class T>
std::unique_ptr<T> TVYXKeyedList<T>::ExtractKey(const std::u16string& key,
                                                const std::function<std::u16string(const T&)>& keyOf)
{
    T* item = FindKey(key);
    if (!item)
        return nullptr;
    auto& items = this->FItems;
    auto it = std::find_if(items.begin(), items.end(), [&](const auto& p) { return p.get() == item; });
    std::unique_ptr<T> owned = std::move(*it);
    items.erase(it);
    FIndex.erase(key);
    // A hidden duplicate of the key becomes visible again.
    for (const auto& other : items)
        if (keyOf(*other) == key) {
            FIndex.emplace(key, other.get());
            break;
        }
    return owned;
}

template class TVYXKeyedList<TVYXBookmark>;
template class TVYXKeyedList<TVYXComplexField>;

// ---- Bookmarks, comments, permissions --------------------------------------------

namespace {
std::u16string BookmarkKey(std::u16string_view name) { return UnicodeLower(name); }
}  // namespace

TVYXBookmark* TVYXBookmarks::Add(std::u16string_view name, std::unique_ptr<TVYXFieldSelection> selection)
{
    auto bookmark = std::make_unique<TVYXBookmark>(std::move(selection));
    bookmark->Owner = this;
    bookmark->Name = name;
    bookmark->TempId = Count();
    return AddKeyed(std::move(bookmark), BookmarkKey(name));
}

TVYXBookmark* TVYXBookmarks::AddUnique(std::u16string_view name, std::unique_ptr<TVYXFieldSelection> selection,
                                       TVYXErrorManager* errors)
{
    if (Find(name)) {
        if (errors)
            errors->Error(name, 4100);
        return nullptr;
    }
    return Add(name, std::move(selection));
}

const TVYXBookmark* TVYXBookmarks::Find(std::u16string_view name) const { return FindKey(BookmarkKey(name)); }

bool TVYXBookmarks::Delete(std::u16string_view name) { return DeleteItem(name) != nullptr; }

std::unique_ptr<TVYXBookmark> TVYXBookmarks::DeleteItem(std::u16string_view name)
{
    auto owned = ExtractKey(BookmarkKey(name), [](const TVYXBookmark& b) { return BookmarkKey(b.Name); });
    if (owned)
        owned->Owner = nullptr;
    return owned;
}

TVYXBookmark* TVYXBookmarks::Restore(std::unique_ptr<TVYXBookmark> bookmark)
{
    if (!bookmark)
        return nullptr;
    const std::u16string key = BookmarkKey(bookmark->Name);
    bookmark->Owner = this;
    bookmark->TempId = Count();
    return AddKeyed(std::move(bookmark), key);
}

void TVYXBookmarks::CopyToList(std::vector<std::u16string>& names) const
{
    for (int i = 0; i < Count(); ++i)
        names.push_back(GetItems(i)->Name);
}

void TVYXBookmarks::Reindex()
{
    for (int i = 0; i < Count(); ++i)
        GetItems(i)->TempId = i;
}

TVYXComment* TVYXComments::Add(std::unique_ptr<TVYXComment> comment)
{
    if (!comment)
        return nullptr;
    comment->TempId = Count();
    return Append(std::move(comment));
}

TVYXPermission* TVYXPermissions::Add(std::u16string_view id, std::unique_ptr<TVYXFieldSelection> selection)
{
    auto permission = std::make_unique<TVYXPermission>(std::move(selection));
    permission->Owner = this;
    permission->Id = id;
    permission->TempId = Count();
    return Append(std::move(permission));
}

// ---- Hyperlinks --------------------------------------------------------------------

TVYXHyperlink* TVYXHyperlinks::Add(std::u16string_view address, TVYXHyperlinkType type)
{
    auto link = std::make_unique<TVYXHyperlink>();
    link->Address = address;
    link->Type = type;
    return Append(std::move(link));
}

void TVYXHyperlinks::Add(const std::vector<std::u16string>& lines)
{
    for (const auto& line : lines) {
        const auto semi = line.find(u';');
        if (semi == std::u16string::npos) {
            Add(line, ahtURL);
            continue;
        }
        Add(std::u16string_view(line).substr(semi + 1), ahtURL)->Id = line.substr(0, semi);
    }
}

TVYXHyperlink* TVYXHyperlinks::AddUniqueBookmark(std::u16string_view name)
{
    if (TVYXHyperlink* link = FindByAddress(name))
        return link;
    return Add(name, ahtBookmark);
}

const TVYXHyperlink* TVYXHyperlinks::FindByAddress(std::u16string_view address) const
{
    for (const auto& link : FItems)
        if (link->Address == address)
            return link.get();
    return nullptr;
}

const TVYXHyperlink* TVYXHyperlinks::FindById(std::u16string_view id) const
{
    for (const auto& link : FItems)
        if (link->Id == id)
            return link.get();
    return nullptr;
}

// ---- Simple fields -------------------------------------------------------------------

const std::array<TVYXFieldKeyword, 9> VYXFieldKeywords = {{
    {u"AUTHOR", asftAuthor},
    {u"AUTONUMLGL", asftAutonumLGL},
    {u"DATE", asftDate},
    {u"FILENAME", asftFilename},
    {u"MERGEFIELD", asftMergeField},
    {u"NUMPAGES", asftNumpages},
    {u"PAGE", asftPage},
    {u"REF", asftRef},
    {u"SAVEDATE", asftSaveDate},
}};

TVYXSimpleFieldType VYXFieldKeywordType(std::u16string_view upperKeyword)
{
    auto it = std::lower_bound(VYXFieldKeywords.begin(), VYXFieldKeywords.end(), upperKeyword,
                               [](const TVYXFieldKeyword& k, std::u16string_view key) { return k.Keyword < key; });
    return it != VYXFieldKeywords.end() && it->Keyword == upperKeyword ? it->Type : asftUnknown;
}

std::u16string VYXFieldKeyword(std::u16string_view instruction)
{
    instruction = TrimView(instruction);
    const std::u16string_view rest = AfterKeyword(instruction);
    return UnicodeUpper(instruction.substr(0, instruction.size() - rest.size()));
}

std::u16string VYXMergeFieldName(std::u16string_view instruction)
{
    const std::u16string_view rest = AfterKeyword(instruction);
    bool quoted = false;
    std::size_t end = 0;
    for (; end < rest.size(); ++end) {
        if (rest[end] == u'"')
            quoted = !quoted;
        else if (rest[end] == u'\\' && !quoted)
            break;
    }
    return std::u16string(UnquoteView(TrimView(rest.substr(0, end))));
}

TVYXSimpleField::TVYXSimpleField(std::u16string_view instruction, TVYXSimpleFieldType type)
    : Type(type), FParams(std::make_unique<TVYXParameterList>())
{
    // Pairs in a field instruction are separated by blanks and start at backslashes.
    FParams->ParamStart1 = u" ";
    FParams->ParamStart2 = u"\\";
    SetInstrText(instruction);
    if (type == asftMergeField)
        Name = VYXMergeFieldName(FInstrText);
}

TVYXSimpleField::~TVYXSimpleField() = default;

void TVYXSimpleField::SetInstrText(std::u16string_view text)
{
    FInstrText = TrimView(text);
    FParams->AssignField(FInstrText);
}

void TVYXSimpleField::Assign(const TVYXSimpleField& source)
{
    if (&source == this)
        return;
    Type = source.Type;
    Locked = source.Locked;
    Name = source.Name;
    FInstrText = source.FInstrText;
    *FParams = *source.FParams;
}

std::u16string TVYXSimpleField::AsText(double now, const TVYXLocaleSettings& locale) const
{
    switch (Type) {
    case asftUnknown: return FInstrText;
    case asftDate: return VYXFormatShortDate(now, locale.ShortDateFormat);
    case asftRef: return u"<<REF>>";
    default: return {};
    }
}

std::u16string TVYXSimpleField::AsText() const { return AsText(VYXNowDateTime(), VYXCurrentLocale()); }

// Grammar of a formula instruction:
//   instruction := "=" expression [ "\#" mask ]      mask := text, optionally in double quotes
// Not supported: switches other than "\#" (they stay part of the expression).
TVYXFormulaField::TVYXFormulaField(std::u16string_view instruction) : TVYXSimpleField(instruction, asftFormula)
{
    std::u16string_view text = TrimView(InstrText());
    if (!text.empty() && text.front() == u'=')
        text.remove_prefix(1);
    const auto sw = text.find(u"\\#");
    if (sw != std::u16string_view::npos) {
        Mask = UnquoteView(TrimView(text.substr(sw + 2)));
        text = text.substr(0, sw);
    }
    FFormula = TrimView(text);
}

void TVYXFormulaField::SetFormula(std::u16string_view text)
{
    FFormula = text;
    FPtgs.clear();
    FCompiled = false;
}

void TVYXFormulaField::SetPtgs(const std::uint8_t* ptgs, std::int32_t size)
{
    FCompiled = ptgs != nullptr && size >= 0;
    if (FCompiled)
        FPtgs.assign(ptgs, ptgs + size);
    else
        FPtgs.clear();
}

void TVYXFormulaField::Assign(const TVYXSimpleField& source)
{
    TVYXSimpleField::Assign(source);
    if (const auto* f = dynamic_cast<const TVYXFormulaField*>(&source); f && f != this) {
        FFormula = f->FFormula;
        Mask = f->Mask;
        FPtgs = f->FPtgs;
        FCompiled = f->FCompiled;
    }
}

std::optional<std::u16string> TVYXFormulaField::Calculate(const TVYXFormulaHooks& hooks)
{
    if (!FCompiled && hooks.Compile)
        hooks.Compile(*this);
    if (!FCompiled || !hooks.Evaluate)
        return std::nullopt;
    return hooks.Evaluate(*this);
}

std::unique_ptr<TVYXSimpleField> CreateSimpleField(std::u16string_view instruction)
{
    instruction = TrimView(instruction);
    if (!instruction.empty() && instruction.front() == u'=')
        return std::make_unique<TVYXFormulaField>(instruction);
    return std::make_unique<TVYXSimpleField>(instruction, VYXFieldKeywordType(VYXFieldKeyword(instruction)));
}

// ---- Complex fields ---------------------------------------------------------------------

std::u16string TVYXComplexFieldList::GetText() const
{
    if (Result < 0 || static_cast<std::size_t>(Result) >= Values.size())
        return {};
    return Values[static_cast<std::size_t>(Result)];
}

TVYXComplexField::TVYXComplexField(std::unique_ptr<TVYXFieldSelection> selection)
    : FSelection(std::move(selection))
{
}

TVYXComplexField::~TVYXComplexField() = default;

void TVYXComplexField::SetType(TVYXComplexFieldType type)
{
    if (type == FType)
        return;
    FType = type;
    FData.reset();
    switch (type) {
    case acftFormText:
        FData = std::make_unique<TVYXComplexFieldText>();
        FInstrText = u" FORMTEXT ";
        break;
    case acftFormCheckBox:
        FData = std::make_unique<TVYXComplexFieldCheckBox>();
        FInstrText = u" FORMCHECKBOX ";
        break;
    case acftFormList:
        FData = std::make_unique<TVYXComplexFieldList>();
        FInstrText = u" FORMDROPDOWN ";
        break;
    default: break;
    }
}

void TVYXComplexField::SetInstrText(std::u16string_view text)
{
    FInstrText = text;
    const std::u16string keyword = VYXFieldKeyword(text);
    if (keyword == u"MERGEFIELD") {
        SetType(acftMergeField);
        MergeName = VYXMergeFieldName(text);
    } else if (keyword == u"HYPERLINK") {
        SetType(acftHyperlink);
        Target = TrimView(AfterKeyword(text));
    }
}

const TVYXComplexFieldText* TVYXComplexField::GetAsText() const
{
    return FType == acftFormText ? dynamic_cast<const TVYXComplexFieldText*>(FData.get()) : nullptr;
}

const TVYXComplexFieldCheckBox* TVYXComplexField::GetAsCheckBox() const
{
    return FType == acftFormCheckBox ? dynamic_cast<const TVYXComplexFieldCheckBox*>(FData.get()) : nullptr;
}

const TVYXComplexFieldList* TVYXComplexField::GetAsComboBox() const
{
    return FType == acftFormList ? dynamic_cast<const TVYXComplexFieldList*>(FData.get()) : nullptr;
}

bool TVYXComplexField::CanBeSimpleField() const
{
    return !FData && !CalcOnExit && Enabled && EntryMacro.empty() && ExitMacro.empty() && HelpText.empty() &&
           Name.empty() && StatusText.empty() && (!FSelection || FSelection->SamePara()) &&
           (FInstrText.empty() || FInstrText.front() != u' ');
}

TVYXComplexField* TVYXComplexFields::Add(std::unique_ptr<TVYXComplexField> field)
{
    if (!field)
        return nullptr;
    const std::u16string key = field->Name;
    return AddKeyed(std::move(field), key);
}

const TVYXComplexField* TVYXComplexFields::Find(std::u16string_view name) const
{
    return FindKey(std::u16string(name));
}

// ---- What runs refer to ------------------------------------------------------------------

namespace {
template <class T>
T* MarkupAs(const TVYXCharRunLinked& run, TVYXCharRunLinkedType type)
{
    return run.LinkedType == type ? dynamic_cast<T*>(run.Field()) : nullptr;
}
}  // namespace

TVYXBookmark* VYXAsBookmark(const TVYXCharRunLinked& run) { return MarkupAs<TVYXBookmark>(run, acrltBookmark); }
TVYXComment* VYXAsComment(const TVYXCharRunLinked& run) { return MarkupAs<TVYXComment>(run, acrltComment); }
TVYXPermission* VYXAsPermission(const TVYXCharRunLinked& run)
{
    return MarkupAs<TVYXPermission>(run, acrltPermission);
}
TVYXComplexField* VYXAsComplex(const TVYXCharRunLinked& run)
{
    return MarkupAs<TVYXComplexField>(run, acrltComplexField);
}
TVYXSimpleField* VYXSimpleFieldOf(const TVYXCharRunSimpleField& run)
{
    return dynamic_cast<TVYXSimpleField*>(run.SimpField());
}
