// VYXReportImpl.h: what the report engine's source units (VYXReport*.cpp) share: limits, the
// formula context, the field kinds and a few helpers. Nothing outside them includes it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/VYXBarcode.h"
#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncLibrary.h"
#include "platform/VYXErrors.h"
#include "platform/VYXException.h"
#include "report/VYXRecordSource.h"
#include "report/VYXReport.h"

class TVYXLogParas;
class TVYXTableCell;

// How deep bands may call bands (executeband), and how many calls one report may make.
inline constexpr int cMaxExecuteDepth = 16;
inline constexpr int cMaxExecuteRuns = 10000;

// ---- Formula context -----------------------------------------------------------------

// The report's formula context: one cell store and evaluator for every report formula,
// with encoded formulas cached by their text (a field's formula runs once per record).
class TVYXReportFmlaManager {
public:
    explicit TVYXReportFmlaManager(TVYXReport& report)
        : FManager(FErrors), FEvaluator(FManager)
    {
        XLSInitFunctionLibrary();
        FEvaluator.UserFunctionEvent = [&report](const std::u16string& name, TXLSUserFuncData& data) {
            report.UserFunction(name, data);
        };
    }
    // False when the text does not encode.
    bool Evaluate(std::u16string_view formula, TXLSFormulaValue& result)
    {
        std::u16string text(formula);
        if (!text.empty() && text[0] == u'=')
            text.erase(0, 1);
        auto it = FCache.find(text);
        if (it == FCache.end()) {
            std::vector<std::uint8_t> ptgs;
            bool ok = false;
            try {
                ok = XLSEncodeFormula(FManager, text, ptgs, true) && !ptgs.empty();
            } catch (const VYXException&) {
                ok = false;
            }
            if (!ok)
                ptgs.clear();
            it = FCache.emplace(text, std::move(ptgs)).first;
        }
        if (it->second.empty())
            return false;
        FFormula = formula;
        try {
            result = FEvaluator.Evaluate(0, 0, 0, std::span<const std::uint8_t>(it->second));
        } catch (const VYXException&) {
            result.SetError(errValue);
        }
        return true;
    }
    TXLSFormulaEvaluator& Evaluator() { return FEvaluator; }
    const std::u16string& FormulaText() const { return FFormula; }

private:
    TVYXErrorManager FErrors;  // the encoder's own complaints; report diagnostics go to the report
    TXLSCellManager FManager;
    TXLSFormulaEvaluator FEvaluator;
    std::map<std::u16string, std::vector<std::uint8_t>> FCache;
    std::u16string FFormula;
};

namespace vyx_report {

inline bool IsNumeric(TVYXFieldType type) { return type == avftInteger || type == avftFloat; }

// `value` through the number mask `mask`; two decimals without a mask or with one the
// engine cannot read.
std::u16string FormatNumber(double value, const std::u16string& mask);

// ---- Field kinds ---------------------------------------------------------------------------

class TDbField : public TVYXReportField {
public:
    using TVYXReportField::TVYXReportField;
    std::u16string DataSetName, FieldName;
    bool Graphic = false;
    TVYXReportFieldType Type_() const override { return Graphic ? arftGraphic : arftDatabase; }
    std::u16string AsString(TVYXReport& report) override;
};

class TFormulaField : public TVYXReportField {
public:
    using TVYXReportField::TVYXReportField;
    std::u16string Formula;
    TVYXReportFieldType Type_() const override { return arftFormula; }
    std::u16string AsString(TVYXReport& report) override { return report.FormulaText(Formula, Mask); }
};

class TParameterField : public TVYXReportField {
public:
    using TVYXReportField::TVYXReportField;
    int N = 1;
    TVYXReportFieldType Type_() const override { return arftParameter; }
    std::u16string AsString(TVYXReport& report) override
    {
        const auto& params = report.BandParams();
        return N >= 1 && static_cast<std::size_t>(N) <= params.size() ? params[static_cast<std::size_t>(N - 1)] : u"";
    }
};

// A data field whose cell spans down while its value repeats.
class TCellField : public TDbField {
public:
    using TDbField::TDbField;
    int Row = -1, Cell = -1;  // its template cell: row of the table, cell of the row
    TVYXTableCell* Root = nullptr;  // the output cell its span starts in, and the last one
    TVYXTableCell* Last = nullptr;
    std::u16string Key;
    TVYXReportFieldType Type_() const override { return arftCell; }
};

class TBarcodeField : public TDbField {
public:
    using TDbField::TDbField;
    TVYXBarcodeType Symbology = abctEAN13;
    TVYXReportFieldType Type_() const override { return arftBarcode; }
};

// The data set a name means while `band` prints: a band on the chain holding it,
// else a registered one. Group footers print over a copy of the previous record.
TVYXRecordSource* RuntimeDataSet(TVYXReport& report, TVYXReportBand* band, std::u16string_view name);

// Tree levels move right by this much each (points) when the band sets no width.
inline constexpr double cTreeIndent = 18;

// Indents the paragraphs of `paras` from item `from` on by `by` points.
void IndentParas(TVYXLogParas& paras, int from, double by);

}  // namespace vyx_report

using namespace vyx_report;
