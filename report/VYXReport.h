// VYXReport.h: band reports: a template whose commented ranges repeat per record, with fields filled from data and formulas.
//
// A template is an ordinary document. A comment whose text begins with "-band"
// marks its range as a band; the comment's further lines ("name: value") set the
// band's parameters. Fields inside a band name what they show:
//   dataset.field or field       a data field (the band's data set when none is named)
//   =formula                     a formula; names in it are data fields, aggregates
//                                (band.field.sum, dataset.field.count, field.avg ...) and
//                                the report functions line(), page(), pages(), rgb(),
//                                makebookmark(), executeband(), executebandloop()
//   #N                           the N-th value passed to the band by executeband
// followed by switches "\* name:value" (mask, bold, italic, color, fieldtype ...).
// A leading MERGEFIELD keyword is accepted, so templates can be written in any editor.
//
// Output: the output document is loaded from the same template (so styles, headers,
// footers and pictures need no mapping) and its body is rebuilt in template order:
// content outside bands once, report and page header and footer bands once where
// they stand, data bands once per record with their child bands (detail data sets
// and group headers and footers) inside. Bands covering rows of a table repeat those
// rows inside one copy of the table. A group header prints when the value of its
// condition changes from one record to the next, the matching group footer before
// the next group starts and after the last record; "field.agg" names in a group
// footer count that group only. After creation the output is paginated on the
// layout device and "%%pages%%" becomes the page count.
//
// Diagnostics are warnings 3500-3522 and errors 4500-4503 in the report's error
// manager; each is also kept with the template paragraph it concerns (Diagnostics()).
// executeband(name, values...) prints the band once after the paragraph holding the
// call (into the same cell, when the call stands in a table), with the values as its
// #1, #2 ... fields; executebandloop runs it over its data set. Sub-report bands print
// only where they are called.
//
// Table layouts. A band over whole rows repeats those rows per record. A band that
// starts and ends in one cell of a row of several cells (and has no "rowmode: true")
// is a cell band: its records stack inside that cell, or, with "filltable: true",
// take one cell each, from the band's cell to the row's last and on into copies of
// the row (labels). "filltable: true" on a row band pads the rows up to "maxrows"
// with copies whose fields are empty. "multipage: true" with "maxrows" starts a new
// page after every maxrows records, for a row band as a new copy of the table that
// repeats the rows above the band; "maxpageloops" bounds the pages. A data field with
// "fieldtype:cell" in a one-row band spans its cell down over the following records
// while its value stays the same (one merged cell per group).
// Trees: a band with "treeitem: true" prints each record followed by the records of
// its detail data set of the band's data-set name, level by level (at most 32), each
// level indented by the band's "width" (18 pt without one).
// Text boxes: a band comment inside a text box makes a text-box band over the box's
// paragraphs; it prints inside the box (each copy of a box in a data band is filled
// for its record), or where executeband calls it. Fields in boxes are filled too.
// "onafterprint: Name" runs band Name once the band has printed (a warning 3519 when
// no band has that name).
// Fields: a field's "onbefore" formula runs before the field prints; FALSE prints it
// empty. OnBeforePrintField lets the host change any field's text.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/VYXErrors.h"

class TVYXLogDocEditor;
class TVYXLogParas;
class TVYXLogPara;
class TVYXLogParaItem;
class TVYXTable;
class TVYXTableRow;
class TVYXCharRuns;
class TVYXCHPX;
class TVYXRecordSource;
class TVYXMemorySource;
class TXLSUserFuncData;
class TVYXReport;
class TVYXReportFmlaManager;

enum TVYXReportBandType {
    arbtUnknown, arbtDataSet, arbtReportHeader, arbtReportFooter, arbtPageHeader, arbtPageFooter, arbtGroupHeader,
    arbtGroupFooter, arbtSubReport, arbtSubPages
};
enum TVYXReportBandMode { arbmNormal, arbmTableRow, arbmTableCell, arbmTextBox };
enum TVYXReportFieldType { arftUnknown, arftDatabase, arftFormula, arftGraphic, arftBarcode, arftParameter, arftCell };
enum TVYXReportDocFieldType { ardftNormal, ardftParaPicture };
enum TVYXReportParameterType { arptUnknown, arptString, arptBoolean, arptInteger, arptFloat, arptSize };
enum TVYXReportParameterId {
    arpiUnknown, arpiPageBreaks, arpiName, arpiParentBand, arpiType, arpiDataSet, arpiUserDataset, arpiEnabled,
    arpiFilltable, arpiMultipage, arpiRowMode, arpiMaxrows, arpiExpression, arpiCondition, arpiColors, arpiField,
    arpiWidth, arpiHeight, arpiTreeItem, arpiFontSize, arpiHeaderParagraphs, arpiMaxPageLoops, arpiOnAfterPrint,
    // field parameters
    arpiFieldType, arpiFieldSize, arpiMask, arpiHyperlink, arpiOnBefore, arpiBold, arpiItalic, arpiStrikeThrough,
    arpiHidden, arpiColor, arpiFillColor, arpiUnderline, arpiUnderlineColor, arpiSubSuperscript, arpiSize, arpiStyle,
    arpiFontname,
    // report functions
    arpiLine, arpiPage, arpiPages, arpiMakeBoo, arpiRGB, arpiExecuteBand, arpiExecuteBandLoop
};

// Count, sum, minimum and maximum of the values one field took.
class TVYXReportAggregate {
public:
    int Count = 0;
    double Sum = 0, Min = 0, Max = 0;
    void Update(double value);
    double GetAverage() const { return Count > 0 ? Sum / Count : 0; }
    void Clear() { *this = TVYXReportAggregate(); }
};

// The aggregate an aggregate word selects (by the sum of its lower-cased character
// codes: 341 sum, 553 count, 731 average, 324 min, 326 max); false for other words.
bool VYXReportAggregateValue(std::u16string_view word, const TVYXReportAggregate& agg, double& value);

class TVYXReportBand;

class TVYXReportField {
public:
    explicit TVYXReportField(TVYXReportBand& band) : Band(band) {}
    virtual ~TVYXReportField() = default;
    TVYXReportField(const TVYXReportField&) = delete;
    TVYXReportField& operator=(const TVYXReportField&) = delete;

    TVYXReportBand& Band;
    std::u16string Name;   // as the template wrote it
    std::u16string Alias;  // the "name" switch: how aggregates call a formula field
    std::u16string Mask;
    std::u16string Hyperlink;
    std::u16string OnBefore;
    int ImageIndex = -1;
    TVYXReportAggregate Agg;
    // Character formats given as switches: value text, or a formula when it starts with "=".
    std::map<TVYXReportParameterId, std::u16string> Formats;
    double Width = 0, Height = 0;  // points, graphics and barcodes

    virtual TVYXReportFieldType Type_() const = 0;
    virtual std::u16string AsString(TVYXReport& report) = 0;
    virtual int AsInteger(TVYXReport& report);
    virtual void Initiate() {}
    virtual void UpdateAggregate(TVYXReport&) {}
};

// The fields of one band, found by their template instruction.
class TVYXReportBandContainer {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXReportField& GetItems(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    TVYXReportField& Add(std::unique_ptr<TVYXReportField> field, std::u16string_view instruction);
    TVYXReportField* FindByInstruction(std::u16string_view instruction) const;
    TVYXReportField* Find(std::u16string_view name) const;

private:
    std::vector<std::unique_ptr<TVYXReportField>> FItems;
    std::map<std::u16string, TVYXReportField*> FByInstruction;
};

class TVYXReportBand {
public:
    TVYXReportBand() = default;
    TVYXReportBand(const TVYXReportBand&) = delete;
    TVYXReportBand& operator=(const TVYXReportBand&) = delete;

    std::u16string Name;
    TVYXReportBandType Type = arbtDataSet;
    TVYXReportBandMode Mode = arbmNormal;
    TVYXReportBand* Parent = nullptr;          // borrowed: the report owns every band
    std::vector<TVYXReportBand*> Children;     // borrowed, in template order
    bool Enabled = true, FillTable = false, Multipage = false, PageBreaks = false, RowMode = false;
    bool TreeItem = false;
    int MaxRows = 0, HeaderParagraphs = 0, MaxPageLoops = 0;
    double Width = 0, Height = 0, FontSize = 0, FieldSize = 0;  // points
    std::u16string Expression, Condition, ParentName, DataSetName, UserDataSetName, OnAfterPrint;
    std::vector<std::uint32_t> Colors;  // 0x00RRGGBB, rotated per record
    std::u16string CommentText;        // the band comment
    std::u16string Place;              // the template paragraph the comment starts in
    TVYXReportBandContainer Fields;
    TVYXRecordSource* DataSet = nullptr;  // borrowed; for detail sets, the current master record's
    // Where the band lies in the template body: top-level items First..Last, or rows
    // FirstRow..LastRow of the table at item First (table-row mode).
    int First = 0, Last = 0, FirstRow = -1, LastRow = -1;
    int FirstCell = -1;  // cell bands: the cell of row FirstRow
    int Box = -1;        // text-box bands: the text box (in the document's order); First..Last are its items
    // Aggregates of every numeric field of the band's data set, by upper-cased field name.
    std::map<std::u16string, TVYXReportAggregate> Aggregates;
    int Line = 0;  // records printed since the band started
    std::u16string GroupKey;  // group headers: the value of the condition for the open group
    bool GroupOpen = false;

    // The colours read back as "(%d,%d,%d)" entries joined by ",".
    std::u16string ColorsText() const;
    bool Contains(const TVYXReportBand& other) const;
};

// User data sets by name: records the host fills when a band asks (OnUserDataSet).
class TVYXReportVDataSets {
public:
    TVYXMemorySource& Add(std::u16string_view name);
    void Add(std::unique_ptr<TVYXMemorySource> dataSet);
    TVYXMemorySource* Find(std::u16string_view name) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    TVYXMemorySource& Items(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }

private:
    std::vector<std::unique_ptr<TVYXMemorySource>> FItems;
};

struct TVYXReportDiagnostic {
    TVYXErrorLevel Level = aelWarning;
    int Code = 0;
    std::string Text;   // as recorded in the error manager
    std::string Place;  // the template paragraph (UTF-8, shortened)
};

class TVYXReport {
public:
    TVYXReport();
    ~TVYXReport();
    TVYXReport(const TVYXReport&) = delete;
    TVYXReport& operator=(const TVYXReport&) = delete;

    // ---- Template ----
    // Reads the template by extension (DOCX, RTF, HTML).
    void LoadFromFile(const std::string& fileName);
    // Any loader that fills a fresh document with the template; called once for the
    // template and once for each output.
    void SetTemplateLoader(std::function<void(TVYXLogDocEditor& doc)> loader);
    TVYXLogDocEditor& Template() const;
    TVYXLogDocEditor& Output() const;

    // ---- Data ----
    bool PageBreaks = false;
    TVYXRecordSource* DataSet = nullptr;  // the default data set (borrowed)
    void SetDataSet(TVYXRecordSource* dataSet) { DataSet = dataSet; }
    // Further data sets by name (borrowed); the default one answers its own Name too.
    void AddDataSet(std::u16string_view name, TVYXRecordSource& dataSet);
    TVYXReportVDataSets& UserDataSets() { return FUserDataSets; }

    // ---- Events ----
    std::function<void(const std::u16string& name, TXLSUserFuncData& data)> OnUserFunction;
    std::function<void(TVYXReportBand& band)> OnBeforePrintBand;
    std::function<void(TVYXReportBand& band)> OnAfterPrintBand;
    // Asked before a band runs over a user data set: the host fills its records.
    std::function<void(const std::u16string& name, TVYXMemorySource& dataSet)> OnUserDataSet;
    // Called with the text of every report field about to print; the host may change it.
    std::function<void(TVYXReportField& field, std::u16string& text)> OnBeforePrintField;
    // The date DATE fields show when the result is paginated for its page count:
    // days since 1899-12-30; 0 leaves the paginator's own.
    double Now = 0;

    // ---- Work ----
    void CreateTemplate();
    void CreateReport();
    void Clear();
    TVYXErrorManager& Errors() { return FErrors; }
    const std::vector<TVYXReportDiagnostic>& Diagnostics() const { return FDiagnostics; }
    int BandCount() const { return static_cast<int>(FBands.size()); }
    TVYXReportBand& Bands(int i) const { return *FBands.at(static_cast<std::size_t>(i)); }
    TVYXReportBand* FindBand(std::u16string_view name) const;
    int PageCount() const { return FPageCount; }

    // ---- For fields and formulas ----
    TVYXRecordSource* FindDataSet(std::u16string_view name) const;
    // Evaluates a formula text ("=..." or without "=") in the current band's context;
    // the result as text as a formula field shows it.
    std::u16string FormulaText(std::u16string_view formula, const std::u16string& mask);
    // As FormulaText, but the raw value kind: 0 none/error, 1 number, 2 boolean, 3 text.
    int Formula(std::u16string_view formula, double& number, std::u16string& text);
    void Warn(int code, std::string_view text1, std::string_view text2, std::u16string_view place);
    void Fail(int code, std::string_view text1, std::string_view text2, std::u16string_view place);
    TVYXReportBand* CurrentBand() const { return FCurrent; }
    std::vector<std::u16string>& BandParams() { return FParams; }

private:
    friend class TVYXReportFmlaManager;
    void ParseBandComment(TVYXReportBand& band);
    void ParseFields(TVYXReportBand& band);
    void ResolveHierarchy();
    void AnalyseField(TVYXReportBand& band, std::u16string_view instruction, std::u16string_view place);
    void ScanParas(TVYXReportBand& band, TVYXLogParas& paras, int item, int row);
    void ProduceItems(TVYXLogParas& out, int first, int last, TVYXReportBand& context);
    void RunBand(TVYXLogParas& out, TVYXReportBand& band);
    void PrintBand(TVYXLogParas& out, TVYXReportBand& band);
    void EmitOnce(TVYXLogParas& out, TVYXReportBand& band);
    void EmitRecord(TVYXLogParas& out, TVYXReportBand& band);
    void EmitTable(TVYXLogParas& out, int item, TVYXReportBand& context);
    void EmitRows(TVYXTable& table, const TVYXTable& source, TVYXReportBand& band);
    void EmitCellBand(TVYXTable& table, TVYXTableRow& row, const TVYXTableRow& source, TVYXReportBand& band);
    void FillRowCells(TVYXTable& table, TVYXTableRow& row, const TVYXTableRow& source, int sourceRow, int item,
                      TVYXReportBand& context);
    TVYXReportBand* CellBandAt(TVYXReportBand& context, int item, int row, int cell) const;
    // Positions the band's data set for a run: a master record's detail, a user data set.
    void PrepareDataSet(TVYXReportBand& band);
    // Runs `emit` once per record of the band (or once without a data set of its own),
    // with the events and the line counter; `printed` counts the records before, `level`
    // is the tree level. The number of records; -1 when the band does not run.
    int ForEachRecord(TVYXReportBand& band, const std::function<void(int printed, int level)>& emit);
    // The records of `parent`'s detail of the band's data-set name, one level deeper each.
    void TreeLevels(TVYXReportBand& band, TVYXRecordSource& parent, int level, const std::function<void(int level)>& emit);
    void AnalysePara(TVYXReportBand& band, TVYXLogPara& para);
    // The band's own items (a text-box band's from its box) copied and filled.
    void ProduceBand(TVYXLogParas& out, TVYXReportBand& band);
    // Fills the text boxes of a fresh copy from the template boxes of `source`.
    void FillTextBoxes(const TVYXLogParaItem& source, TVYXLogParaItem& copy, TVYXReportBand& context);
    void FillParas(TVYXLogParas& out, int from, TVYXReportBand& context);
    void FillPara(TVYXLogPara& para, TVYXReportBand& context);
    void PrintGroupFooters(TVYXLogParas& out, TVYXReportBand& band);
    void UpdateAggregates(TVYXReportBand& band);
    bool MakeRuns(TVYXReportField& field, std::u16string_view result, TVYXCharRuns& runs, const TVYXCHPX* chpx);
    void PageBreakBefore(TVYXLogParas& out, int item);
    void PostProcess();
    void UserFunction(const std::u16string& name, TXLSUserFuncData& data);

    std::function<void(TVYXLogDocEditor& doc)> FLoader;
    std::unique_ptr<TVYXLogDocEditor> FTemplate;
    std::unique_ptr<TVYXLogDocEditor> FOutput;
    std::unique_ptr<TVYXLogParas> FHold;  // the template body inside the output document
    TVYXLogParas* FSource = nullptr;      // where items are copied from: FHold or a template text box
    int FSourceBox = -1;                  // that text box, -1 for the body
    int FBoxDepth = 0;
    std::unique_ptr<TVYXReportFmlaManager> FFmla;
    std::vector<std::unique_ptr<TVYXReportBand>> FBands;
    std::unique_ptr<TVYXReportBand> FRootBand;  // fields outside every band, headers and footers
    std::map<std::u16string, TVYXRecordSource*> FDataSets;  // by upper-cased name
    TVYXReportVDataSets FUserDataSets;
    TVYXErrorManager FErrors;
    std::vector<TVYXReportDiagnostic> FDiagnostics;
    TVYXReportBand* FCurrent = nullptr;    // the band being printed
    TVYXLogPara* FCurrentPara = nullptr;   // the output paragraph being filled
    std::vector<std::u16string> FParams;   // values passed by executeband
    std::unique_ptr<TVYXMemorySource> FSnapshot;  // the previous record, for group footers
    struct TPendingBand {
        TVYXReportBand* Band = nullptr;
        bool Loop = false;
        std::vector<std::u16string> Params;
    };
    std::vector<TPendingBand> FPending;  // executeband calls waiting for their paragraph to be filled
    int FExecuteDepth = 0;
    int FExecuteRuns = 0;
    bool FBlank = false;               // fields print empty (rows that pad a table)
    int FScanRow = -1, FScanCell = -1;  // the template cell being analysed
    // Multi-page row bands of the table being built, in table order: where each band's
    // rows begin and end, and the rows that start each further page.
    struct TPageSplit {
        int Begin = -1, End = -1;
        std::vector<int> Starts;
    };
    std::vector<TPageSplit> FSplits;
    int FPage = 1;
    int FPageCount = 0;
    bool FPostProcess = false;
    bool FAnalysed = false;
};
