// VYXFields.h: fields, hyperlinks, bookmarks, comments and editing permissions, and the document-wide lists holding them.
//
// The objects live in the lists of the document; paragraphs refer to them
// through special runs: simple-field runs, hyperlink runs, field-character and
// instruction runs, and pairs of linked runs marking the ends of a range.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/VYXCharRun.h"
#include "model/VYXParaWalker.h"

class TVYXLogPara;
class TVYXParameterList;
class TVYXErrorManager;
struct TVYXLocaleSettings;

// Formats a date (days since 1899-12-30) with the d, dd, M, MM, yy and yyyy parts of a
// pattern such as the locale's short date format; other characters are copied.
std::u16string VYXFormatShortDate(double date, std::u16string_view pattern);

// ---- Ranges ------------------------------------------------------------------

// The range of a markup object: the text between its two boundaries.
class TVYXFieldSelection {
public:
    virtual ~TVYXFieldSelection() = default;
    virtual bool IsRange() const = 0;
    virtual bool SamePara() const = 0;
    virtual std::u16string GetPlainText() const = 0;
    virtual void SetPlainText(std::u16string_view text) = 0;
};

// A range between two linked boundary runs. Paragraphs end in "\r\n" in the
// plain text. Ranges over several paragraphs need `Body`; without it their text
// is that of the two end paragraphs only.
// Not supported: SetPlainText on a range over several paragraphs (the body's
// paragraph operations join paragraphs; the range leaves such text unchanged).
class TVYXFieldSelectionImpl : public TVYXFieldSelection {
public:
    TVYXCharRunLinked* FirstRun = nullptr;  // borrowed: the paragraphs own the runs
    TVYXCharRunLinked* LastRun = nullptr;
    TVYXLogPara* FirstPara = nullptr;
    TVYXLogPara* LastPara = nullptr;
    TVYXParaWalker* Body = nullptr;  // borrowed

    bool IsRange() const override { return FirstRun && LastRun && FirstRun != LastRun; }
    bool SamePara() const override;
    std::u16string GetPlainText() const override;
    // Replaces the runs between the boundaries by one text run formatted as the first text inside.
    void SetPlainText(std::u16string_view text) override;
    // Calls `visit` for every run strictly between the boundaries, in reading order.
    void ForEachRun(const std::function<void(TVYXCharRun& run)>& visit) const;
};

// Inserts a pair of linked boundary runs referring to `markup` before the runs
// at `firstIndex` of `firstRuns` and `lastIndex` of `lastRuns` (the same list
// or a later one; an index may be the list's count) and returns the range.
std::unique_ptr<TVYXFieldSelectionImpl> VYXInsertLinkedRange(TVYXMarkupObject* markup, TVYXCharRunLinkedType type,
                                                             TVYXCharRuns& firstRuns, int firstIndex,
                                                             TVYXCharRuns& lastRuns, int lastIndex);

// ---- Bookmarks, comments, permissions ------------------------------------------

class TVYXMarkup : public TVYXMarkupObject {
public:
    explicit TVYXMarkup(std::unique_ptr<TVYXFieldSelection> selection = nullptr);
    ~TVYXMarkup() override;

    std::int32_t TempId = 0;  // renumbered by the owning list
    std::unique_ptr<TVYXFieldSelection> Selection;

    std::u16string GetPlainText() const { return Selection ? Selection->GetPlainText() : std::u16string(); }
    void SetPlainText(std::u16string_view text)
    {
        if (Selection)
            Selection->SetPlainText(text);
    }
    bool IsRange() const { return Selection && Selection->IsRange(); }
};

class TVYXBookmarks;
class TVYXPermissions;

class TVYXBookmark : public TVYXMarkup {
public:
    using TVYXMarkup::TVYXMarkup;
    TVYXBookmarks* Owner = nullptr;  // borrowed
    std::u16string Name;
    std::int32_t FirstCol = -1, LastCol = -1;  // table columns covered, -1 for none
};

class TVYXComment : public TVYXMarkup {
public:
    // The creation time is now (days since 1899-12-30, local time).
    explicit TVYXComment(std::unique_ptr<TVYXFieldSelection> selection = nullptr);
    std::vector<std::u16string> Text;  // the comment's paragraphs
    std::u16string Author, Initials;
    double DateTime = 0;
};

enum TVYXPermEditGrp {
    apegNone, apegEveryone, apegAdministrators, apegContributors, apegEditors, apegOwners, apegCurrent
};

class TVYXPermission : public TVYXMarkup {
public:
    using TVYXMarkup::TVYXMarkup;
    TVYXPermissions* Owner = nullptr;  // borrowed
    std::u16string Id;
    std::u16string EditBy;
    TVYXPermEditGrp EditGroup = apegNone;
    std::int32_t FirstCol = -1, LastCol = -1;
    // Clears the read-only flag of the runs in the range, so they stay editable
    // while the document's protection is enforced.
    void Unprotect();
};

// Owning list in insertion order: the markup, field and hyperlink lists share it.
template <class T>
class TVYXOwningList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const T* GetItems(int index) const
    {
        return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)].get() : nullptr;
    }
    T* GetItems(int index)
    {
        return index >= 0 && index < Count() ? FItems[static_cast<std::size_t>(index)].get() : nullptr;
    }
    void Clear() { FItems.clear(); }

protected:
    TVYXOwningList() = default;
    ~TVYXOwningList() = default;
    T* Append(std::unique_ptr<T> item)
    {
        FItems.push_back(std::move(item));
        return FItems.back().get();
    }
    std::vector<std::unique_ptr<T>> FItems;
};

// An owning list whose items are also found by a key: bookmarks and complex fields.
template <class T>
class TVYXKeyedList : public TVYXOwningList<T> {
public:
    void Clear()
    {
        FIndex.clear();
        TVYXOwningList<T>::Clear();
    }

protected:
    TVYXKeyedList() = default;
    ~TVYXKeyedList() = default;
    // The first item added with the key that is still in the list.
    const T* FindKey(const std::u16string& key) const;
    T* FindKey(const std::u16string& key) { return const_cast<T*>(std::as_const(*this).FindKey(key)); }
    T* AddKeyed(std::unique_ptr<T> item, const std::u16string& key);
    std::unique_ptr<T> ExtractKey(const std::u16string& key, const std::function<std::u16string(const T&)>& keyOf);

private:
    std::unordered_map<std::u16string, T*> FIndex;
};

// Bookmark names are case-insensitive: "Intro" and "INTRO" are one bookmark.
class TVYXBookmarks : public TVYXKeyedList<TVYXBookmark> {
public:
    // No duplicate check: a second bookmark of a name stays hidden behind the first.
    TVYXBookmark* Add(std::u16string_view name, std::unique_ptr<TVYXFieldSelection> selection = nullptr);
    // As Add, but a name that exists is reported as error 4100 and nothing is added (nullptr).
    TVYXBookmark* AddUnique(std::u16string_view name, std::unique_ptr<TVYXFieldSelection> selection,
                            TVYXErrorManager* errors);
    const TVYXBookmark* Find(std::u16string_view name) const;
    TVYXBookmark* Find(std::u16string_view name) { return const_cast<TVYXBookmark*>(std::as_const(*this).Find(name)); }
    const TVYXBookmark* GetBookmarks(std::u16string_view name) const { return Find(name); }
    TVYXBookmark* GetBookmarks(std::u16string_view name) { return Find(name); }
    // Destroys the bookmark; false when there is none of that name.
    bool Delete(std::u16string_view name);
    // Takes the bookmark out of the list without destroying it.
    std::unique_ptr<TVYXBookmark> DeleteItem(std::u16string_view name);
    // Puts back at the end a bookmark DeleteItem took out (undo keeps it alive, since
    // copies of its boundary runs in the history still name it).
    TVYXBookmark* Restore(std::unique_ptr<TVYXBookmark> bookmark);
    void CopyToList(std::vector<std::u16string>& names) const;
    // TempId becomes each bookmark's position.
    void Reindex();
};

class TVYXComments : public TVYXOwningList<TVYXComment> {
public:
    TVYXComment* Add(std::unique_ptr<TVYXComment> comment);
};

class TVYXPermissions : public TVYXOwningList<TVYXPermission> {
public:
    TVYXPermission* Add(std::u16string_view id, std::unique_ptr<TVYXFieldSelection> selection = nullptr);
};

// ---- Hyperlinks -------------------------------------------------------------------

enum TVYXHyperlinkType { ahtURL, ahtBookmark };

class TVYXHyperlink {
public:
    // One per hyperlink run referring to the link in a run list (counted by TVYXCharRuns).
    std::int32_t RefCount = 0;
    TVYXHyperlinkType Type = ahtURL;
    std::u16string Address;  // the URL or the bookmark name
    std::u16string Id;       // relationship id of the package formats
    void Use() { ++RefCount; }
    void Release()
    {
        if (RefCount > 0)
            --RefCount;
    }
};

class TVYXHyperlinks : public TVYXOwningList<TVYXHyperlink> {
public:
    TVYXHyperlink* Add(std::u16string_view address, TVYXHyperlinkType type);
    // One URL per line; "id;address" gives the link an id.
    void Add(const std::vector<std::u16string>& lines);
    // The link whose address is `name`, else a new bookmark link.
    TVYXHyperlink* AddUniqueBookmark(std::u16string_view name);
    // Exact comparison, first match; nullptr when none.
    const TVYXHyperlink* FindByAddress(std::u16string_view address) const;
    TVYXHyperlink* FindByAddress(std::u16string_view address)
    {
        return const_cast<TVYXHyperlink*>(std::as_const(*this).FindByAddress(address));
    }
    const TVYXHyperlink* FindById(std::u16string_view id) const;
    TVYXHyperlink* FindById(std::u16string_view id) { return const_cast<TVYXHyperlink*>(std::as_const(*this).FindById(id)); }
    const TVYXHyperlink* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXHyperlink* Last() { return FItems.empty() ? nullptr : FItems.back().get(); }
};

// ---- Simple and formula fields ------------------------------------------------------

enum TVYXSimpleFieldType {
    asftUnknown, asftAuthor, asftAutonumLGL, asftDate, asftMergeField, asftNumpages, asftPage, asftRef,
    asftSaveDate, asftFilename, asftFormula
};

struct TVYXFieldKeyword {
    std::u16string_view Keyword;  // upper case
    TVYXSimpleFieldType Type;
};
// Sorted by keyword for binary search. It is a constant table, complete before
// any code runs, so lookups from several threads need no initialisation guard.
extern const std::array<TVYXFieldKeyword, 9> VYXFieldKeywords;
// The type of an upper-case keyword; asftUnknown when not in the table.
TVYXSimpleFieldType VYXFieldKeywordType(std::u16string_view upperKeyword);

// The first word of an instruction in upper case ("" for a blank instruction).
std::u16string VYXFieldKeyword(std::u16string_view instruction);
// A merge field's data field name: the text after the keyword up to the first
// backslash outside quotes, trimmed and unquoted.
std::u16string VYXMergeFieldName(std::u16string_view instruction);

class TVYXSimpleField : public TVYXMarkupObject {
public:
    TVYXSimpleField(std::u16string_view instruction, TVYXSimpleFieldType type);
    ~TVYXSimpleField() override;

    TVYXSimpleFieldType Type;
    bool Locked = false;
    std::u16string Name;  // merge fields: the data field

    const std::u16string& InstrText() const { return FInstrText; }
    // Stores the trimmed instruction and fills the switches.
    void SetInstrText(std::u16string_view text);
    // The keyword's arguments and the "\@" and "\*" switches.
    const TVYXParameterList& Params() const { return *FParams; }
    virtual void Assign(const TVYXSimpleField& source);

    // The text shown until the document, a merge or layout fills the field:
    // unknown fields show their instruction, DATE today's date in the short date
    // format of `locale`, REF "<<REF>>"; the other types nothing. `now` is days since 1899-12-30.
    std::u16string AsText(double now, const TVYXLocaleSettings& locale) const;
    std::u16string AsText() const;

private:
    std::u16string FInstrText;
    std::unique_ptr<TVYXParameterList> FParams;
};

class TVYXFormulaField;

// The formula engine as the model sees it. The editing layer fills these with
// the encoder and the evaluator, so the model itself never links the engine:
// Compile encodes Formula() into token bytes and hands them to SetPtgs; Evaluate
// runs the evaluator over Ptgs()/PtgsSz() with the document's cell store and
// formats a number with Mask.
struct TVYXFormulaHooks {
    // Encodes the field's Formula and stores the tokens (SetPtgs); false when it does not parse.
    std::function<bool(TVYXFormulaField& field)> Compile;
    // The result of the field's tokens as text, formatted with its Mask.
    std::function<std::u16string(const TVYXFormulaField& field)> Evaluate;
};

class TVYXFormulaField : public TVYXSimpleField {
public:
    // "= expression \# "mask"": the expression and the mask without quotes.
    explicit TVYXFormulaField(std::u16string_view instruction);

    const std::u16string& Formula() const { return FFormula; }
    std::u16string Mask;

    // Discards the compiled tokens.
    void SetFormula(std::u16string_view text);
    bool IsCompiled() const { return FCompiled; }
    const std::uint8_t* Ptgs() const { return FCompiled ? FPtgs.data() : nullptr; }
    std::int32_t PtgsSz() const { return static_cast<std::int32_t>(FPtgs.size()); }
    void SetPtgs(const std::uint8_t* ptgs, std::int32_t size);
    void Assign(const TVYXSimpleField& source) override;

    // The result text: compiles first when the field has no tokens and the hooks
    // can; nothing when there are still no tokens or no evaluator.
    std::optional<std::u16string> Calculate(const TVYXFormulaHooks& hooks);

private:
    std::u16string FFormula;
    std::vector<std::uint8_t> FPtgs;
    bool FCompiled = false;
};

// A formula field for instructions beginning with "=", else a simple field of
// the keyword's type (asftUnknown for keywords not in the table).
std::unique_ptr<TVYXSimpleField> CreateSimpleField(std::u16string_view instruction);

// ---- Complex and form fields ------------------------------------------------------------

enum TVYXComplexFieldType {
    acftUnknown, acftField, acftMergeField, acftHyperlink, acftFormText, acftFormCheckBox, acftFormList
};
enum TVYXComplexFieldTextType {
    acfttRegular, acfttNumber, acfttDate, acfttCurrentTime, acfttCurrentDate, acfttCalculated
};

class TVYXComplexFieldData {
public:
    virtual ~TVYXComplexFieldData() = default;
};

class TVYXComplexFieldText : public TVYXComplexFieldData {
public:
    std::u16string Default;
    std::u16string Format;
    std::int32_t MaxLength = 0;  // 0: unlimited
    TVYXComplexFieldTextType TextType = acfttRegular;
};

class TVYXComplexFieldCheckBox : public TVYXComplexFieldData {
public:
    bool Checked = false;
    bool Default = false;
    double Size = 0;  // points
    bool AutoSize = true;
};

class TVYXComplexFieldList : public TVYXComplexFieldData {
public:
    std::int32_t Default = 0;
    std::int32_t Result = 0;  // 0-based index of the chosen entry
    std::vector<std::u16string> Values;
    // The chosen entry; empty when Result is not a valid index.
    std::u16string GetText() const;
};

class TVYXComplexField : public TVYXMarkupObject {
public:
    explicit TVYXComplexField(std::unique_ptr<TVYXFieldSelection> selection = nullptr);
    ~TVYXComplexField() override;

    TVYXComplexFieldType Type() const { return FType; }
    // Changing the type replaces the form data; the form types get new data and
    // their instruction (" FORMTEXT ", " FORMCHECKBOX ", " FORMDROPDOWN ").
    void SetType(TVYXComplexFieldType type);
    const TVYXComplexFieldData* Data() const { return FData.get(); }
    TVYXComplexFieldData* Data() { return FData.get(); }
    const TVYXFieldSelection* Selection() const { return FSelection.get(); }
    TVYXFieldSelection* Selection() { return FSelection.get(); }
    void SetSelection(std::unique_ptr<TVYXFieldSelection> selection) { FSelection = std::move(selection); }

    bool CalcOnExit = false;
    bool Enabled = true;
    std::u16string EntryMacro, ExitMacro, HelpText, Name, StatusText;
    // Hyperlink fields: the instruction after the keyword, trimmed.
    std::u16string Target;

    const std::u16string& InstrText() const { return FInstrText; }
    // MERGEFIELD makes a merge field (its data field name goes to MergeName),
    // HYPERLINK a hyperlink field.
    void SetInstrText(std::u16string_view text);
    std::u16string MergeName;

    // The form data as its class; nullptr for another type.
    const TVYXComplexFieldText* GetAsText() const;
    TVYXComplexFieldText* GetAsText() { return const_cast<TVYXComplexFieldText*>(std::as_const(*this).GetAsText()); }
    const TVYXComplexFieldCheckBox* GetAsCheckBox() const;
    TVYXComplexFieldCheckBox* GetAsCheckBox()
    {
        return const_cast<TVYXComplexFieldCheckBox*>(std::as_const(*this).GetAsCheckBox());
    }
    const TVYXComplexFieldList* GetAsComboBox() const;
    TVYXComplexFieldList* GetAsComboBox() { return const_cast<TVYXComplexFieldList*>(std::as_const(*this).GetAsComboBox()); }

    // The result text.
    std::u16string GetPlainText() const { return FSelection ? FSelection->GetPlainText() : std::u16string(); }
    void SetPlainText(std::u16string_view text)
    {
        if (FSelection)
            FSelection->SetPlainText(text);
    }
    // Writers keep a field simple when nothing but its instruction and result would be lost.
    bool CanBeSimpleField() const;

private:
    TVYXComplexFieldType FType = acftUnknown;
    std::unique_ptr<TVYXComplexFieldData> FData;
    std::unique_ptr<TVYXFieldSelection> FSelection;
    std::u16string FInstrText;
};

// Complex fields keyed by their exact Name.
class TVYXComplexFields : public TVYXKeyedList<TVYXComplexField> {
public:
    TVYXComplexField* Add(std::unique_ptr<TVYXComplexField> field);
    const TVYXComplexField* Find(std::u16string_view name) const;
    TVYXComplexField* Find(std::u16string_view name) { return const_cast<TVYXComplexField*>(std::as_const(*this).Find(name)); }
    const TVYXComplexField* GetFields(std::u16string_view name) const { return Find(name); }
    TVYXComplexField* GetFields(std::u16string_view name) { return Find(name); }
};

// ---- What runs refer to ----------------------------------------------------------------

// The markup object of a linked run as that class; nullptr for another kind.
TVYXBookmark* VYXAsBookmark(const TVYXCharRunLinked& run);
TVYXComment* VYXAsComment(const TVYXCharRunLinked& run);
TVYXPermission* VYXAsPermission(const TVYXCharRunLinked& run);
TVYXComplexField* VYXAsComplex(const TVYXCharRunLinked& run);
// The field of a simple-field run.
TVYXSimpleField* VYXSimpleFieldOf(const TVYXCharRunSimpleField& run);
