// VYXMailMerge.cpp: the merge of records into a letter.
#include "report/VYXMailMerge.h"

#include <vector>

#include "editing/VYXLogEditor.h"
#include "formats/NyqSimpleDOM.h"
#include "formats/VYXReadWriteOPC5.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "platform/VYXErrors.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"
#include "report/VYXDocCopy.h"
#include "report/VYXMergeFields.h"
#include "report/VYXRecordSource.h"

namespace {
// The paragraph lists beside the body that may hold fields and comments.
std::vector<TVYXLogDocEditor*> Secondaries(TVYXLogDocEditor& doc)
{
    std::vector<TVYXLogDocEditor*> list;
    for (TVYXHeadersFooters* hf : {&doc.Headers(), &doc.Footers()})
        for (TVYXHeaderFooterType type : {ahftDefault, ahftFirst, ahftEven})
            if (TVYXLogDocEditor* editor = hf->Find(type))
                list.push_back(editor);
    for (int i = 0; i < doc.TextBoxes().Count(); ++i)
        list.push_back(&doc.TextBoxes().GetItems(i));
    return list;
}

std::vector<TVYXLogParas*> SecondaryParas(TVYXLogDocEditor& doc)
{
    std::vector<TVYXLogParas*> list;
    for (TVYXLogDocEditor* editor : Secondaries(doc))
        list.push_back(&editor->Paras());
    return list;
}

// Arguments of a field: its words after the keyword up to the first switch.
std::vector<std::u16string> Arguments(const std::vector<TVYXFieldWord>& words, std::size_t& next)
{
    std::vector<std::u16string> args;
    next = 1;
    for (; next < words.size() && !words[next].IsSwitch(); ++next)
        args.push_back(words[next].Text);
    return args;
}

bool Condition(const std::vector<std::u16string>& args, std::size_t count)
{
    if (args.size() >= 3 && count >= 3)
        return VYXCompareFieldValues(args[0], args[1], args[2]);
    return !args.empty() && !args[0].empty() && args[0] != u"0";
}

// The caret and selections pointed into the template body, which is going.
void ResetCaret(TVYXLogDocEditor& doc)
{
    doc.Selections().Clear();
    doc.Caret().Assign(doc.FirstPara(), 1);
}

std::u16string Attr(const TNyqDOMNode* node, std::string_view child, std::string_view attr = "w:val")
{
    const TNyqDOMNode* c = node ? node->Find(child) : nullptr;
    return c ? Utf8ToUtf16(c->Attributes().FindValue(attr)) : std::u16string();
}
}  // namespace

TVYXMailMergeSettings VYXReadMailMergeSettings(const std::string& fileName)
{
    TVYXMailMergeSettings settings;
    TVYXFileStream stream(fileName, vyfmRead);
    TOPCContainer package;
    package.OpenRead(stream);
    std::string xml;
    try {
        xml = package.ReadPart("word/settings.xml");
    } catch (const VYXException&) {
        return settings;  // a package without settings has no merge either
    }
    TNyqSimpleDOM dom;
    dom.LoadFromString(xml);
    const TNyqDOMNode* merge = dom.Root().Find("w:mailMerge", true);
    if (!merge)
        return settings;
    settings.Present = true;
    settings.MainDocumentType = Attr(merge, "w:mainDocumentType");
    settings.DataType = Attr(merge, "w:dataType");
    settings.Query = Attr(merge, "w:query");
    settings.ConnectString = Attr(merge, "w:connectString");
    settings.Destination = Attr(merge, "w:destination");
    TVYXFieldValue record;
    if (VYXReadFieldText(Attr(merge, "w:activeRecord"), avftInteger, record) && !record.Null && record.Num > 0 &&
        record.Num < 1e9)
        settings.ActiveRecord = static_cast<int>(record.Num);
    const std::u16string view = Attr(merge, "w:viewMergedData");
    settings.ViewMergedData = view == u"1" || view == u"true" || (merge->Find("w:viewMergedData") && view.empty());
    const std::u16string id = Attr(merge, "w:dataSource", "r:id");
    if (!id.empty()) {
        try {
            TNyqSimpleDOM rels;
            rels.LoadFromString(package.ReadPart("word/_rels/settings.xml.rels"));
            std::vector<TNyqDOMNode*> all;
            rels.Root().FindAll("Relationship", all, true);
            for (const TNyqDOMNode* r : all)
                if (Utf8ToUtf16(r->Attributes().FindValue("Id")) == id)
                    settings.DataSource = Utf8ToUtf16(r->Attributes().FindValue("Target"));
        } catch (const VYXException&) {
            // A relation that is not there leaves the data source unnamed.
        }
    }
    return settings;
}

TVYXMailMerge::TVYXMailMerge(TVYXRecordSource& data, TVYXErrorManager* errors) : FData(data), FErrors(errors) {}
TVYXMailMerge::~TVYXMailMerge() = default;

int TVYXMailMerge::FindField(std::u16string_view name)
{
    int f = FData.FindField(name);
    if (f >= 0)
        return f;
    // Editors write "First Name" of a data source as First_Name; either finds the other.
    std::u16string swapped(name);
    for (char16_t& c : swapped)
        c = c == u'_' ? u' ' : c == u' ' ? u'_' : c;
    f = FData.FindField(swapped);
    if (f < 0 && FErrors && FWarned[std::u16string(name)]++ == 0)
        FErrors->Warning(Utf16ToUtf8(name), 3502);
    return f;
}

std::optional<std::u16string> TVYXMailMerge::Evaluate(std::u16string_view instruction)
{
    const std::vector<TVYXFieldWord> words = VYXFieldWords(instruction);
    if (words.empty() || words[0].Quoted)
        return std::nullopt;
    const std::u16string keyword = AsciiUpper(words[0].Text);
    std::size_t next = 1;
    const std::vector<std::u16string> args = Arguments(words, next);
    TVYXMergeSwitches switches;
    switches.Read(words, next);
    if (keyword == u"MERGEFIELD") {
        if (args.empty() || FData.Eof())
            return std::u16string();
        const int f = FindField(args[0]);
        if (f < 0)
            return std::u16string();
        return VYXFormatMergeValue(FData.Value(f), FData.FieldType(f), switches, Locale);
    }
    if (keyword == u"IF") {
        const bool yes = Condition(args, args.size());
        const std::size_t then = args.size() >= 4 ? 3 : 1;
        std::u16string text;
        if (yes && args.size() > then)
            text = args[then];
        else if (!yes && args.size() > then + 1)
            text = args[then + 1];
        TVYXFieldValue value;
        value.Null = text.empty();
        value.Text = text;
        return VYXFormatMergeValue(value, avftString, switches, Locale);
    }
    if (keyword == u"MERGEREC")
        return U16(std::to_string(FRecNo));
    if (keyword == u"MERGESEQ")
        return U16(std::to_string(FSeq));
    if (keyword == u"NEXT" || (keyword == u"NEXTIF" && Condition(args, 3))) {
        if (!FData.Eof()) {
            FData.Next();
            ++FRecNo;
        }
        return std::u16string();
    }
    if (keyword == u"NEXTIF")
        return std::u16string();
    if (keyword == u"SKIPIF") {
        FSkip = FSkip || Condition(args, 3);
        return std::u16string();
    }
    return std::nullopt;
}

bool TVYXMailMerge::MergeCopy(TVYXLogParas& hold, TVYXLogParas& body)
{
    const int start = body.Count();
    FSkip = false;
    ++FSeq;
    for (int i = 0; i < hold.Count(); ++i)
        VYXAppendCopy(body, *hold.GetItems(i));
    VYXFillFields(body, [this](std::u16string_view instruction) { return Evaluate(instruction); }, start);
    if (!FSkip)
        return true;
    --FSeq;
    while (body.Count() > start)
        body.Delete(body.Count() - 1);
    return false;
}

void TVYXMailMerge::FillSecondaries(TVYXLogDocEditor& doc)
{
    for (TVYXLogDocEditor* editor : Secondaries(doc))
        VYXFillFields(editor->Paras(), [this](std::u16string_view instruction) { return Evaluate(instruction); });
}

int TVYXMailMerge::MergeAll(TVYXLogDocEditor& doc)
{
    TVYXEditorUpdate update(doc);
    FData.First();
    FRecNo = 1;
    FSeq = 0;
    FStarted = true;
    VYXDropComments(doc, SecondaryParas(doc));
    FillSecondaries(doc);
    std::unique_ptr<TVYXLogParas> hold = VYXTakeBody(doc);
    TVYXLogParas& body = doc.Paras();
    int merged = 0;
    while (!FData.Eof()) {
        const int start = body.Count();
        if (MergeCopy(*hold, body)) {
            if (merged > 0 && start < body.Count()) {
                // Each letter starts on a page of its own.
                TVYXLogParaItem* first = body.GetItems(start);
                if (first->IsTable())
                    body.InsertPageBreak(start);
                else
                    static_cast<TVYXLogPara*>(first)->InsertBreak(1, acrbtPageBreak);
            }
            ++merged;
        }
        if (!FData.Eof()) {
            FData.Next();
            ++FRecNo;
        }
    }
    if (body.Count() == 0)
        body.AppendPara();
    ResetCaret(doc);
    hold.reset();
    return merged;
}

bool TVYXMailMerge::MergeNext(TVYXLogDocEditor& doc)
{
    if (!FStarted) {
        FData.First();
        FRecNo = 1;
        FSeq = 0;
        FStarted = true;
    }
    if (FData.Eof())
        return false;
    TVYXEditorUpdate update(doc);
    VYXDropComments(doc, SecondaryParas(doc));
    FillSecondaries(doc);
    std::unique_ptr<TVYXLogParas> hold = VYXTakeBody(doc);
    TVYXLogParas& body = doc.Paras();
    bool merged = false;
    while (!merged && !FData.Eof()) {
        merged = MergeCopy(*hold, body);
        if (!FData.Eof()) {
            FData.Next();
            ++FRecNo;
        }
    }
    if (!merged)  // every record left was skipped: the document goes back to the template
        for (int i = 0; i < hold->Count(); ++i)
            VYXAppendCopy(body, *hold->GetItems(i));
    if (body.Count() == 0)
        body.AppendPara();
    ResetCaret(doc);
    return merged;
}
