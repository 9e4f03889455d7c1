// VYXRevision.cpp: the authors, the ranges and the revision manager (the data of one
// change, which runs and property lists hold, is VYXRevisionData.cpp).
#include "model/VYXRevision.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_set>

#include <pwd.h>
#include <unistd.h>

#include "model/VYXCharRun.h"
#include "model/VYXParaWalker.h"
#include "model/VYXUtils.h"
#include "platform/VYXUnicode.h"

const std::array<std::string_view, artFormatPAPX + 1> VYXRevisionTypeName = {
    "Unknown", "Insert", "Delete", "Move from", "Move to", "CHPX", "PAPX"};

const std::array<TVYXColor, 13> VYXRevisionAuthorColor = {0xFF0000, 0x0000FF, 0x800000, 0x008380, 0xA4A000,
                                                          0x808080, 0xFF0101, 0x0101FF, 0x800080, 0xC85100,
                                                          0x008380, 0x1D5701, 0x8C8901};

TVYXColor VYXRevisionAuthorColorOf(int authorIndex)
{
    const int n = static_cast<int>(VYXRevisionAuthorColor.size());
    return VYXRevisionAuthorColor[static_cast<std::size_t>(((authorIndex % n) + n - 1) % n)];
}

std::u16string VYXDefaultRevisionAuthor()
{
    if (const char* user = std::getenv("USERNAME"); user && *user)
        return Utf8ToUtf16(user);
    // Linux sessions rarely set USERNAME: the login name, which a process
    // without a terminal may not have, then the owner's entry in the user database.
    char login[256] = {};
    if (getlogin_r(login, sizeof login) == 0 && login[0])
        return Utf8ToUtf16(login);
    passwd entry{};
    passwd* found = nullptr;
    char buffer[1024];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_name &&
        *found->pw_name)
        return Utf8ToUtf16(found->pw_name);
    return u"Author";
}

// ---- Authors -----------------------------------------------------------------------

int TVYXRevisionAuthors::IndexOf(std::u16string_view name) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Name == name)
            return static_cast<int>(i);
    return -1;
}

int TVYXRevisionAuthors::AddAuthor(std::u16string_view name)
{
    int index = IndexOf(name);
    if (index < 0) {
        auto author = std::make_unique<TVYXRevisionAuthor>();
        author->Name = name;
        FItems.push_back(std::move(author));
        index = Count() - 1;
    }
    ++FItems[static_cast<std::size_t>(index)]->Usage;
    return index;
}

void TVYXRevisionAuthors::DeleteAuthor(std::u16string_view name)
{
    const int index = IndexOf(name);
    if (index < 0)
        return;
    if (--FItems[static_cast<std::size_t>(index)]->Usage < 1)
        FItems.erase(FItems.begin() + index);
}

const TVYXRevisionAuthor* TVYXRevisionAuthors::GetItems(int index) const
{
    return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)].get() : nullptr;
}

TVYXRevisionAuthor* TVYXRevisionAuthors::GetItems(int index)
{
    return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)].get() : nullptr;
}

void TVYXRevisionAuthors::ResetUsage()
{
    for (auto& author : FItems)
        author->Usage = 0;
}

void TVYXRevisionAuthors::DropUnused()
{
    std::erase_if(FItems, [](const auto& a) { return a->Usage < 1 && a->Visible; });
}

// ---- Ranges --------------------------------------------------------------------------

namespace {
// The paragraphs from the one holding `first` to the one holding `last`. Without
// the body, or when a list is not found, only the two end lists.
std::vector<TVYXParaRef> SpanParas(const TVYXRevisionRange& range, TVYXParaWalker* body)
{
    TVYXCharRuns* first = range.CR1->Parent();
    TVYXCharRuns* last = range.CR2->Parent();
    if (first == last)
        return {{range.Para1, first, nullptr}};
    if (body) {
        const auto paras = body->Paras();
        auto from = std::find_if(paras.begin(), paras.end(), [&](const TVYXParaRef& p) { return p.Runs == first; });
        auto to = std::find_if(from, paras.end(), [&](const TVYXParaRef& p) { return p.Runs == last; });
        if (to != paras.end())
            return {from, to + 1};
    }
    return {{range.Para1, first, nullptr}, {range.Para2, last, nullptr}};
}

TVYXParaWalker* BodyOf(const TVYXRevisionRange& range)
{
    return range.Parent && range.Parent->Owner ? range.Parent->Owner->Paras : nullptr;
}

bool IsRevisionBoundary(const TVYXCharRun& run)
{
    const auto* linked = dynamic_cast<const TVYXCharRunLinked*>(&run);
    return linked && linked->LinkedType == acrltRevision;
}

// Sets IsWorking for the time of a change to the runs and restores it.
class TWorkingScope {
public:
    explicit TWorkingScope(TVYXRevision* owner) : FOwner(owner)
    {
        if (FOwner) {
            FWas = FOwner->IsWorking;
            FOwner->IsWorking = true;
        }
    }
    ~TWorkingScope()
    {
        if (FOwner)
            FOwner->IsWorking = FWas;
    }
    TWorkingScope(const TWorkingScope&) = delete;
    TWorkingScope& operator=(const TWorkingScope&) = delete;

private:
    TVYXRevision* FOwner;
    bool FWas = false;
};
}  // namespace

void TVYXRevisionRange::Update(TVYXLogPara* para, int paraIndex, TVYXCharRun* run)
{
    CR2 = run;
    Para2 = para;
    ParaIndex2 = paraIndex;
}

TVYXRevisionPos TVYXRevisionRange::First() const { return {ParaIndex1, CR1 ? CR1->StartPos() : 1}; }
TVYXRevisionPos TVYXRevisionRange::Last() const { return {ParaIndex2, CR2 ? CR2->GetEndPos() : 1}; }

bool TVYXRevisionRange::Hit(const TVYXRevisionPos& pos) const
{
    const TVYXRevisionPos first = First(), last = Last();
    return first == last ? pos == first : first <= pos && pos < last;
}

std::u16string TVYXRevisionRange::GetText() const
{
    std::u16string text;
    if (!CR1 || !CR2 || !CR1->Parent() || !CR2->Parent())
        return text;
    const auto span = SpanParas(*this, BodyOf(*this));
    for (std::size_t k = 0; k < span.size(); ++k) {
        const TVYXCharRuns& runs = *span[k].Runs;
        const int from = k == 0 ? CR1->Index() : 0;
        const int to = k + 1 == span.size() ? CR2->Index() : runs.Count() - 1;
        for (int i = from; i <= to; ++i)
            if (const TVYXCharRun* run = runs.Items(i))
                text += run->GetPlainText();
        if (k + 1 < span.size())
            text += u"\r\n";
    }
    return text;
}

void TVYXRevisionRange::Apply(bool accept)
{
    if (!Revision)
        return;
    TWorkingScope working(Parent ? Parent->Owner : nullptr);
    const TVYXRevisionType type = Revision->RevType;
    if (type == artFormatPAPX) {
        // Rejecting drops the mark as accepting does; the recorded former
        // properties are not put back (the caller's undo restores formats).
        if (PAPX)
            PAPX->RemoveRevision();
        return;
    }
    if (!CR1 || !CR2 || !CR1->Parent() || !CR2->Parent())
        return;
    TVYXParaWalker* body = BodyOf(*this);
    const auto span = SpanParas(*this, body);
    // Walking backwards keeps the indexes still to visit valid while runs go.
    const int firstIndex = CR1->Index(), lastIndex = CR2->Index();
    const bool keepSide = accept ? (type == artInsert || type == artMoveTo) : (type == artDelete || type == artMoveFrom);
    for (std::size_t k = span.size(); k-- > 0;) {
        TVYXCharRuns& runs = *span[k].Runs;
        const bool hadRuns = runs.Count() > 0;
        const int from = k == 0 ? firstIndex : 0;
        const int to = k + 1 == span.size() ? lastIndex : runs.Count() - 1;
        for (int i = std::min(to, runs.Count() - 1); i >= from; --i) {
            TVYXCharRun* run = runs.Items(i);
            if (type == artFormatCHPX) {
                if (run->CHPX() && run->CHPX()->GetRevision()) {
                    run->CHPX()->RemoveRevision();
                    run->DeleteCHPXIfEmpty();
                }
                continue;
            }
            if (!run->Revision() || run->Revision()->RevType != type)
                continue;
            // Boundaries of a range over paragraphs have served their purpose either way.
            if (keepSide && !IsRevisionBoundary(*run))
                run->RemoveRevision();
            else
                runs.Delete(i);
        }
        if (hadRuns && runs.Count() == 0 && body && span[k].Para)
            body->RemovePara(span[k].Para);
    }
}

TVYXRevisionRange* TVYXRevisionRanges::Add(TVYXLogPara* para, int paraIndex, TVYXCharRun* run,
                                           TVYXRevisionData* data)
{
    auto range = std::make_unique<TVYXRevisionRange>();
    range->Parent = this;
    range->Revision = data;
    range->CR1 = range->CR2 = run;
    range->Para1 = range->Para2 = para;
    range->ParaIndex1 = range->ParaIndex2 = paraIndex;
    range->Index = range->DocIndex = Count();
    FItems.push_back(std::move(range));
    return FItems.back().get();
}

const TVYXRevisionRange* TVYXRevisionRanges::GetItems(int index) const
{
    return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)].get() : nullptr;
}

TVYXRevisionRange* TVYXRevisionRanges::GetItems(int index)
{
    return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)].get() : nullptr;
}

int TVYXRevisionRanges::IndexOfHit(const TVYXRevisionPos& pos) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Hit(pos))
            return static_cast<int>(i);
    return -1;
}

int TVYXRevisionRanges::IndexOfNext(const TVYXRevisionPos& pos) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->First() >= pos)
            return static_cast<int>(i);
    return -1;
}

int TVYXRevisionRanges::IndexOfPrev(const TVYXRevisionPos& pos) const
{
    for (int i = Count() - 1; i >= 0; --i)
        if (FItems[static_cast<std::size_t>(i)]->First() < pos)
            return i;
    return -1;
}

int TVYXRevisionRanges::IndexOfMove(const TVYXRevisionRange& range) const
{
    auto isMove = [](const TVYXRevisionRange& r) {
        return r.Revision && (r.Revision->RevType == artMoveFrom || r.Revision->RevType == artMoveTo);
    };
    if (!isMove(range))
        return -1;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        const TVYXRevisionRange& other = *FItems[i];
        if (&other != &range && isMove(other) && other.Revision->Name == range.Revision->Name)
            return static_cast<int>(i);
    }
    return -1;
}

void TVYXRevisionRanges::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    FItems.erase(FItems.begin() + index);
    Reindex();
}

void TVYXRevisionRanges::Reindex()
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        FItems[i]->Index = static_cast<int>(i);
}

void TVYXRevisionRanges::Sort(TVYXRevisionRangeSortOrder order)
{
    SortOrder = order;
    auto key = [order](const TVYXRevisionRange& r) -> std::pair<std::u16string, long long> {
        const TVYXRevisionData* d = r.Revision;
        switch (order) {
        case arrsoAuthor: return {d ? UnicodeLower(d->Author) : std::u16string(), 0};
        case arrsoDate: return {{}, d ? std::llround(d->Date * 10000) : 0};
        case arrsoType: return {{}, d ? d->RevType : 0};
        default: return {{}, r.DocIndex};
        }
    };
    std::stable_sort(FItems.begin(), FItems.end(), [&](const auto& a, const auto& b) { return key(*a) < key(*b); });
    Reindex();
}

// ---- The manager -----------------------------------------------------------------------

TVYXRevision::TVYXRevision(TVYXParaWalker* paras)
    : Ranges(this), Paras(paras)
{
    // DefaultAuthor is looked up when the first change of this session needs it: the
    // user database may load name-service modules, a cost a document that is only read
    // and converted should not pay.
}

TVYXRevision::~TVYXRevision() = default;

std::unique_ptr<TVYXRevisionData> TVYXRevision::Add(std::u16string_view author, TVYXRevisionType type)
{
    if (author.empty() && DefaultAuthor.empty())
        DefaultAuthor = VYXDefaultRevisionAuthor();
    const std::u16string name(author.empty() ? std::u16string_view(DefaultAuthor) : author);
    const int index = FAuthors.AddAuthor(name);
    std::unique_ptr<TVYXRevisionData> data;
    if (type == artFormatCHPX)
        data = std::make_unique<TVYXRevisionDataCHPX>();
    else if (type == artFormatPAPX)
        data = std::make_unique<TVYXRevisionDataPAPX>();
    else
        data = std::make_unique<TVYXRevisionData>();
    data->Id = -1;
    data->Name = u"name" + Utf8ToUtf16(std::to_string(++InternalIdCnt));
    data->Date = VYXNowDateTime();
    data->Author = name;
    data->RevType = type;
    data->Color = VYXRevisionAuthorColorOf(index);
    data->DelEvent = [this](TVYXRevisionData& gone) { RevisionDeleted(gone); };
    Invalid = true;
    return data;
}

std::unique_ptr<TVYXRevisionData> TVYXRevision::FileAdd(std::int32_t id, double date, std::u16string_view author,
                                                        TVYXRevisionType type)
{
    auto data = Add(author, type);
    data->Id = id;
    data->Date = date;
    return data;
}

void TVYXRevision::SetEnabled(const std::function<bool(const TVYXRevisionData&)>& match, bool enable)
{
    if (!Paras)
        return;
    auto set = [&](TVYXRevisionData* data) {
        if (data && match(*data))
            data->Enabled = enable;
    };
    for (const TVYXParaRef& para : Paras->Paras()) {
        if (para.PAPX)
            set(para.PAPX->GetRevision());
        if (!para.Runs)
            continue;
        for (int i = 0; i < para.Runs->Count(); ++i) {
            TVYXCharRun* run = para.Runs->Items(i);
            set(run->Revision());
            if (run->CHPX())
                set(run->CHPX()->GetRevision());
        }
    }
}

void TVYXRevision::EnableAuthor(std::u16string_view name, bool enable)
{
    if (TVYXRevisionAuthor* author = FAuthors.GetItems(FAuthors.IndexOf(name)))
        author->Visible = enable;
    SetEnabled([&](const TVYXRevisionData& d) { return d.Author == name; }, enable);
    Invalid = true;
    Collect();
}

void TVYXRevision::EnableAuthor(int index, bool enable)
{
    if (const TVYXRevisionAuthor* author = FAuthors.GetItems(index))
        EnableAuthor(std::u16string(author->Name), enable);
}

void TVYXRevision::EnableAuthors(bool enable)
{
    for (int i = 0; i < FAuthors.Count(); ++i)
        FAuthors.GetItems(i)->Visible = enable;
    SetEnabled([](const TVYXRevisionData&) { return true; }, enable);
    Invalid = true;
    Collect();
}

// Walks the body in reading order:
//   paragraph with enabled PAPX revision  -> a range over its runs
//   linked revision boundary              -> a range to its partner; the walk resumes after it
//   run with enabled revision data        -> extends the current run range when Equal, else starts one
//   run whose CHPX has enabled revision   -> the same for format ranges, tracked apart
// Other linked runs (bookmarks, comments) lie inside ranges without breaking them.
void TVYXRevision::Collect()
{
    if (IsWorking)
        return;
    if (FUpdating > 0) {
        Invalid = true;
        return;
    }
    Ranges.Clear();
    IterRange = nullptr;
    FAuthors.ResetUsage();
    Invalid = false;
    RevDeleted = false;
    const std::vector<TVYXParaRef> paras = Paras ? Paras->Paras() : std::vector<TVYXParaRef>();
    auto paraIndexOf = [&](const TVYXCharRuns* runs, std::size_t from) {
        for (std::size_t p = from; p < paras.size(); ++p)
            if (paras[p].Runs == runs)
                return static_cast<int>(p);
        return -1;
    };
    auto enterPara = [&](std::size_t p) {
        const TVYXParaRef& ref = paras[p];
        TVYXRevisionData* rev = ref.PAPX ? ref.PAPX->GetRevision() : nullptr;
        if (!rev || !rev->Enabled || !ref.Runs)
            return;
        TVYXRevisionRange* range = Ranges.Add(ref.Para, static_cast<int>(p), ref.Runs->First(), rev);
        range->Update(ref.Para, static_cast<int>(p), ref.Runs->Last());
        range->PAPX = ref.PAPX;
        FAuthors.AddAuthor(rev->Author);
    };
    TVYXRevisionRange* current = nullptr;
    TVYXRevisionRange* format = nullptr;
    auto extend = [&](TVYXRevisionRange*& open, TVYXRevisionData* rev, std::size_t p, TVYXCharRun* run) {
        const int pi = static_cast<int>(p);
        if (open && open->Revision->Equal(*rev)) {
            open->Update(paras[p].Para, pi, run);
            return;
        }
        open = Ranges.Add(paras[p].Para, pi, run, rev);
        FAuthors.AddAuthor(rev->Author);
    };
    std::size_t p = 0;
    int i = 0;
    if (!paras.empty())
        enterPara(0);
    while (p < paras.size()) {
        TVYXCharRuns* runs = paras[p].Runs;
        if (!runs || i >= runs->Count()) {
            if (++p < paras.size())
                enterPara(p);
            i = 0;
            continue;
        }
        TVYXCharRun* run = runs->Items(i++);
        TVYXRevisionData* rev = run->Revision();
        if (IsRevisionBoundary(*run)) {
            auto* partner = static_cast<TVYXCharRunLinked*>(run)->LinkedNext;
            const int pp = partner && rev && rev->Enabled ? paraIndexOf(partner->Parent(), p) : -1;
            if (pp >= 0) {
                TVYXRevisionRange* range = Ranges.Add(paras[p].Para, static_cast<int>(p), run, rev);
                range->Update(paras[static_cast<std::size_t>(pp)].Para, pp, partner);
                FAuthors.AddAuthor(rev->Author);
                current = format = nullptr;
                while (p < static_cast<std::size_t>(pp))
                    enterPara(++p);
                i = partner->Index() + 1;
            }
            continue;
        }
        if (rev && rev->Enabled)
            extend(current, rev, p, run);
        else if (run->Type_() != acrtLinked)
            current = nullptr;
        TVYXRevisionData* chrev = run->CHPX() ? run->CHPX()->GetRevision() : nullptr;
        if (chrev && chrev->Enabled)
            extend(format, chrev, p, run);
        else if (run->Type_() != acrtLinked)
            format = nullptr;
    }
    if (Ranges.SortOrder != arrsoDocument)
        Ranges.Sort(Ranges.SortOrder);
    FAuthors.DropUnused();
    Changed();
}

void TVYXRevision::Clear()
{
    Ranges.Clear();
    FAuthors.Clear();
    IterRange = nullptr;
    Invalid = true;
}

void TVYXRevision::CheckInvalid()
{
    if (Invalid)
        Collect();
}

void TVYXRevision::EndUpdate()
{
    if (FUpdating > 0 && --FUpdating == 0)
        CheckInvalid();
}

TVYXRevisionRange* TVYXRevision::BeginIterate(const TVYXRevisionPos& pos, bool forward)
{
    CheckInvalid();
    IterRange = forward ? Ranges.FindNext(pos) : Ranges.FindPrev(pos);
    return IterRange;
}

TVYXRevisionRange* TVYXRevision::IterateNext()
{
    const int index = IterRange ? IterRange->Index + 1 : 0;
    CheckInvalid();
    IterRange = Ranges.GetItems(index);
    return IterRange;
}

TVYXRevisionRange* TVYXRevision::IteratePrev()
{
    const int index = IterRange ? IterRange->Index - 1 : Ranges.Count() - 1;
    CheckInvalid();
    IterRange = Ranges.GetItems(index);
    return IterRange;
}

bool TVYXRevision::Resolve(TVYXRevisionRange* range, bool accept)
{
    if (!range)
        range = IterRange;
    if (!range || range->Parent != &Ranges || Invalid)
        return false;
    const int index = range->Index;
    std::unordered_set<TVYXCharRuns*> touched;
    {
        TWorkingScope working(this);
        TVYXRevisionRange* move = Ranges.FindMove(*range);
        for (const TVYXRevisionRange* r : {move, range})
            if (r && r->CR1 && r->CR2)
                for (const TVYXParaRef& ref : SpanParas(*r, Paras))
                    touched.insert(ref.Runs);
        if (move)
            accept ? move->Accept() : move->Reject();
        accept ? range->Accept() : range->Reject();
        // Lists of paragraphs the body removed are gone: merge only those it still has.
        if (Paras)
            for (const TVYXParaRef& ref : Paras->Paras())
                if (ref.Runs && touched.count(ref.Runs))
                    ref.Runs->Combine();
    }
    Invalid = true;
    Collect();
    IterRange = Ranges.GetItems(index);
    return true;
}

void TVYXRevision::ResolveAll(bool accept)
{
    CheckInvalid();
    // One range at a time, collecting in between: resolving one change can remove
    // runs that another (a format change over an insertion) still points at.
    // Every pass either removes ranges or steps back over one that protected
    // content keeps from being resolved, so the loop ends.
    int index = Ranges.Count() - 1;
    while (index >= 0) {
        const int before = Ranges.Count();
        Resolve(Ranges.GetItems(index), accept);
        index = Ranges.Count() < before ? Ranges.Count() - 1 : index - 1;
    }
}

void TVYXRevision::RevisionDeleted(TVYXRevisionData& data)
{
    if (IsWorking)
        return;
    Ranges.Clear();
    IterRange = nullptr;
    FAuthors.DeleteAuthor(data.Author);
    Invalid = true;
    RevDeleted = true;
    Changed();
}
