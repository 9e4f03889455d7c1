// VYXReadDOCX.cpp: the DOCX reader: element trees of the package's parts walked into the model.
//
// Each part is tokenized once into a flat array of nodes (first child / next
// sibling links, names and raw values viewing the part's bytes), so the walk
// below can look ahead (a paragraph's properties, a table's grid) without a
// class per schema type. Nodes get their enumerator from the generated name
// table; an element outside it is reported and its subtree is not stored.
//
// Not supported: comments' formatting (their paragraphs are kept as plain texts), content-control properties,
// VML shapes other than pictures and text boxes, preset shapes other than pictures'
// frames, table looks with row or column bands wider than one, form-field data,
// notes anchored inside table cells (their text is dropped). Table styles'
// conditional formats are put on the cells as they are read (below what cells and
// runs set themselves), since layout paints cells, not styles.
//
// This unit holds the load itself and the public face; the walk is split by seam
// into VYXReadDOCXBody (stories, paragraphs, runs), VYXReadDOCXProps (run, paragraph
// and section properties), VYXReadDOCXTables, VYXReadDOCXFields, VYXReadDOCXDrawings,
// VYXReadDOCXNotes (notes, comments, headers and footers) and VYXReadDOCXStyles
// (settings, theme, styles, numbering), around the state in VYXReadDOCXImpl.h and the
// element trees of VYXReadDOCXTree.
#include "formats/VYXReadDOCX.h"

#include "formats/VYXReadDOCXImpl.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "editing/VYXLogEditor.h"
#include "formats/NyqXml.h"
#include "formats/VYXDocxParts.h"
#include "formats/VYXReadWriteOPC5.h"
#include "formats/schema/NyqDocx.h"
#include "model/VYXCharRun.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogPara.h"
#include "model/VYXLogParas.h"
#include "model/VYXNotes.h"
#include "model/VYXNumbering.h"
#include "model/VYXPropValues.h"
#include "model/VYXRevision.h"
#include "model/VYXStyles.h"
#include "model/VYXTable.h"
#include "platform/VYXCompoundFile.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "platform/VYXUnicode.h"

void TVYXReadDOCX::TImpl::ReadBody(const TDxTree& t)
{
    const TDxNode* root = t.Child(t.Root());
    if (!root || root->Elem != dxeDocument)
        throw VYXException("DOCX: the main document part has no w:document element");
    const TDxNode* body = t.Find(*root, dxeBody);
    if (!body)
        return;
    TTarget target;
    target.Paras = &FDoc.Paras();
    target.Editor = &FDoc;
    target.Notes = &FDoc;
    target.Owner = FPkg ? FPkg->Document() : nullptr;
    if (FDoc.Paras().Count() == 1 && FDoc.Paras().GetItems(0)->IsPara() && FDoc.Paras().GetItems(0)->GetPlainText().empty())
        target.Reuse = static_cast<TVYXLogPara*>(FDoc.Paras().GetItems(0));
    // The body's own section properties are those of the last section: the document's.
    if (const TDxNode* sectPr = t.Find(*body, dxeSectPr)) {
        DoSEP(t, *sectPr, FDoc.SEP());
    }
    Blocks(t, *body, target);
    if (const TDxNode* sectPr = t.Find(*body, dxeSectPr))
        DoHeaderFooters(t, *sectPr);
    // Open fields end with the body; ranges left open end at its last paragraph.
    CloseStory(FDoc.Paras());
}

void TVYXReadDOCX::TImpl::LoadDocumentXml(std::string_view xml)
{
    TVYXEditorUpdate update(FDoc);
    auto tree = Parse(std::string(xml));
    ReadBody(*tree);
}

void TVYXReadDOCX::TImpl::Load(std::string_view bytes, const std::string& password, TDecrypt decrypt)
{
    std::string plain;
    if (TVYXCompoundFile::HasSignature(bytes.substr(0, std::min<std::size_t>(bytes.size(), 8)))) {
        if (!decrypt)
            throw VYXException("Can not open file. The document is encrypted");
        plain = decrypt(bytes, password);
        bytes = plain;
    }
    auto view = TVYXMemoryStream::View(bytes);
    FPkg = std::make_unique<TOPC_DOCX>();
    FPkg->Errors().SetManager(FDoc.Errors());
    FPkg->OpenRead(view);
    if (!FPkg->Document())
        throw VYXException("DOCX: the package has no main document");
    TVYXEditorUpdate update(FDoc);
    ReadSettings(FPkg->ReadSettings());
    ReadTheme(FPkg->ReadTheme());
    // Styles may name lists and lists styles: numbering is read before the styles
    // so that paragraph styles find their lists.
    TDocxPartDoc styles, numbering;
    VYXDocxLoadPart(styles, FPkg->ReadStyles(), FErrors);
    VYXDocxLoadPart(numbering, FPkg->ReadNumbering(), FErrors);
    if (numbering.FNumbering)
        ReadNumbering(*numbering.FNumbering, styles.FStyles.get());
    if (styles.FStyles)
        ReadStyles(*styles.FStyles);
    ReadNotes(FPkg->ReadFootnotes(), FFootnotes, FFootnoteNodes);
    ReadNotes(FPkg->ReadEndnotes(), FEndnotes, FEndnoteNodes);
    ReadComments(FPkg->ReadComments());
    auto tree = Parse(FPkg->ReadDocument());
    ReadBody(*tree);
    if (FProperties)
        DoAppAndCore(*FProperties);
}

void TVYXReadDOCX::TImpl::DoAppAndCore(TVYXDocumentProperties& props)
{
    // Both parts are flat lists of text elements; names are matched without prefix.
    struct TFlat : TNyqReadXML {
        std::map<std::string, std::u16string> Values;
        void BeginTag() override
        {
            if (!SelfClosing())
                Values.emplace(std::string(LocalName()), Text());
        }
    };
    auto read = [&](std::string xml) {
        TFlat flat;
        if (!xml.empty()) {
            try {
                flat.LoadFromBuffer(xml);
            } catch (const VYXException& e) {
                FErrors.Add(std::string("Document properties: ") + e.what());
            }
        }
        return flat.Values;
    };
    const auto core = read(FPkg->ReadDocPropsCore());
    const auto app = read(FPkg->ReadDocPropsApp());
    auto get = [](const std::map<std::string, std::u16string>& m, const char* name) {
        const auto it = m.find(name);
        return it == m.end() ? std::u16string() : it->second;
    };
    auto date = [&](const char* name) { return ParseDateTime(Utf16ToUtf8(get(core, name))); };
    props.Title = get(core, "title");
    props.Subject = get(core, "subject");
    props.Author = get(core, "creator");
    props.Tags = get(core, "keywords");
    props.Comment = get(core, "description");
    props.LastModifiedBy = get(core, "lastModifiedBy");
    props.Revision = get(core, "revision");
    props.LastPrinted = date("lastPrinted");
    props.Created = date("created");
    props.LastModified = date("modified");
    props.Categories = get(core, "category");
    props.Status = get(core, "contentStatus");
    props.Template = get(app, "Template");
    props.Application = get(app, "Application");
    props.Company = get(app, "Company");
    props.HyperlinkBase = get(app, "HyperlinkBase");
    props.AppVersion = get(app, "AppVersion");
}

// ---- Public face -----------------------------------------------------------------

TVYXReadDOCX::TVYXReadDOCX(TVYXLogDocEditor& doc, TNoDecryption) : FImpl(std::make_unique<TImpl>(doc))
{
    FImpl->FErrors.SetManager(doc.Errors());
}

TVYXReadDOCX::~TVYXReadDOCX() = default;

void TVYXReadDOCX::LoadFromFile(const std::string& fileName) { LoadFromBytes(VYXReadFile(fileName)); }

void TVYXReadDOCX::LoadFromStream(TVYXStream& stream)
{
    LoadFromBytes(stream.ReadBytes(static_cast<std::size_t>(std::max<std::int64_t>(0, stream.Remaining()))));
}

namespace {
// A read, failed or not, leaves what it read, but never a body without a paragraph.
template <class F>
void Guarded(TVYXLogDocEditor& doc, F read)
{
    try {
        read();
    } catch (...) {
        if (doc.Paras().Count() == 0)
            doc.AppendPara();
        throw;
    }
    if (doc.Paras().Count() == 0)
        doc.AppendPara();
}
}  // namespace

void TVYXReadDOCX::LoadFromBytes(std::string_view bytes)
{
    FImpl->FProperties = Properties;
    Guarded(FImpl->FDoc, [&] { FImpl->Load(bytes, Password, FDecrypt); });
}

void TVYXReadDOCX::LoadDocumentXml(std::string_view xml)
{
    Guarded(FImpl->FDoc, [&] { FImpl->LoadDocumentXml(xml); });
}

const TNyqPErrors& TVYXReadDOCX::Errors() const { return FImpl->FErrors; }
