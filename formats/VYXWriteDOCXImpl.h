// VYXWriteDOCXImpl.h: the DOCX writer's part appender and writer class, for the writer's own
// source units (VYXWriteDOCX*.cpp). Nothing outside them includes it.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/VYXWriteDOCX.h"
#include "model/VYXDefs.h"
#include "model/VYXPropValues.h"

class TOPCItem;
class TOPC_DOCX;
class TVYXCHPX;
class TVYXCharRun;
class TVYXCharRunPicture;
class TVYXComment;
class TVYXComplexField;
class TVYXDocPropBorder;
class TVYXDocumentProperties;
struct TVYXFootnoteBaseItem;
class TVYXGraphicObj;
class TVYXGraphicPicture;
class TVYXGraphicRotate;
class TVYXHyperlink;
class TVYXLogDocEditor;
class TVYXLogPara;
class TVYXLogParas;
class TVYXMarkupObject;
class TVYXNumberingsList;
class TVYXPAPX;
class TVYXRevisionData;
class TVYXSEP;
class TVYXTAPX;
class TVYXTable;
class TVYXTableCellProps;
class TVYXTableStyle;

// Named rather than anonymous: the writer is shared by several units.
namespace vyx_docxw {

inline constexpr std::string_view cDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
inline constexpr std::string_view cNsW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr std::string_view cNsR = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr std::string_view cNsWp = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
inline constexpr std::string_view cNsA = "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr std::string_view cNsPic = "http://schemas.openxmlformats.org/drawingml/2006/picture";
inline constexpr std::string_view cNsV = "urn:schemas-microsoft-com:vml";

// ---- Numbers and text, in VYXWriteDOCX.cpp ----

long long Round(double v);
inline long long Twips(double points) { return Round(points * 20.0); }

std::string Hex(TVYXColor c);

std::string CleanText(std::u16string_view text);

std::string XmlText(std::u16string_view text);

std::string DateText(double days);

// A part's text, built element by element.
class TXml {
public:
    std::string Out;

    TXml() { Out.append(cDecl); }
    TXml& Tag(std::string_view name);
    TXml& Attr(std::string_view name, std::string_view value);
    TXml& Attr(std::string_view name, long long value) { return Attr(name, std::to_string(value)); }
    TXml& Attr16(std::string_view name, std::u16string_view value);
    void Open() { Out += '>'; }
    void Empty() { Out.append("/>"); }
    void End(std::string_view name);
    // <name w:val="value"/>
    void Val(std::string_view name, std::string_view value) { Tag(name).Attr("w:val", value).Empty(); }
    void Val(std::string_view name, long long value) { Tag(name).Attr("w:val", value).Empty(); }
    void OnOff(std::string_view name, bool on);
    void TextElem(std::string_view name, std::u16string_view text);
};

// Writes one document into a package.
class TWriter {
public:
    TWriter(TVYXLogDocEditor& doc, TOPC_DOCX& pkg, const TVYXDocumentProperties* props)
        : FDoc(doc), FPkg(pkg), FProps(props) {}
    void Save();

private:
    TVYXLogDocEditor& FDoc;
    TOPC_DOCX& FPkg;
    const TVYXDocumentProperties* FProps;  // borrowed, optional
    TOPCItem* FOwner = nullptr;  // the part being written (pictures and links relate to it)
    std::map<std::pair<TOPCItem*, const TVYXHyperlink*>, std::string> FLinkIds;
    std::map<const TVYXMarkupObject*, long long> FBookmarkIds;
    std::map<const TVYXMarkupObject*, long long> FPermIds;
    std::map<const TVYXComment*, long long> FCommentIds;
    std::map<const TVYXFootnoteBaseItem*, long long> FNoteIds;
    std::map<const TVYXNumberingsList*, long long> FNumIds;
    int FImages = 0;
    long long FRevisionIds = 0;
    long long FDrawingIds = 0;
    int FBoxDepth = 0;

    void CHPX(TXml& x, const TVYXCHPX* chpx, bool always = false);
    void RevisionAttrs(TXml& x, const TVYXRevisionData& rev);
    void PAPX(TXml& x, const TVYXPAPX& papx, const TVYXSEP* sep, bool markRPr);
    void Border(TXml& x, std::string_view name, const TVYXDocPropBorder* b);
    void SEP(TXml& x, const TVYXSEP& sep, bool final);
    void Paras(TXml& x, const TVYXLogParas& paras, bool inDocument);
    void Para(TXml& x, const TVYXLogPara& para, bool inDocument);
    static const TVYXComplexField* FormFieldAfter(const TVYXLogPara& para, int begin);
    void FFData(TXml& x, const TVYXComplexField& field);
    void Table(TXml& x, const TVYXTable& table);
    void TAPX(TXml& x, const TVYXTAPX& tapx);
    void StyleCellLook(TXml& x, const TVYXTableCellProps* props);
    void TextBoxPict(TXml& x, const TVYXGraphicRotate& box, bool floating);
    void TableStyleParts(TXml& x, const TVYXTableStyle& style);
    void Run(TXml& x, const TVYXCharRun& run);
    void Picture(TXml& x, const TVYXCharRunPicture& run);
    // Inline, or floating where `anchor` says when given.
    void Drawing(TXml& x, const std::string& rid, double w, double h, const TVYXGraphicObj* anchor = nullptr,
                 const TVYXGraphicPicture* look = nullptr);
    std::string ImageId(const void* key, std::string_view bytes, TVYXPictureType type);
    std::map<std::pair<TOPCItem*, const void*>, std::string> FImageIds;
    std::string LinkId(const TVYXHyperlink& link);
    std::string Styles();
    std::string Numbering();
    std::string Settings();
    std::string Notes(bool endnotes);
    std::string Comments();
    std::string Core() const;
    std::string HeaderFooter(TVYXLogDocEditor& editor, bool header);
    static void RootOpen(TXml& x, std::string_view name);
    std::vector<std::pair<std::string, std::string>> FHeaderRefs;  // element + type -> rId, in order
    std::vector<std::u16string> FFontNames;  // as written, for the font table
};

}  // namespace vyx_docxw
