// VYXReportFormulas.cpp: report formulas and the report's own functions.
#include "report/VYXReportImpl.h"

#include <algorithm>

#include "editing/VYXLogEditor.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXMask.h"
#include "model/VYXFields.h"
#include "model/VYXLogPara.h"
#include "platform/VYXUnicode.h"
#include "report/VYXRecordSource.h"
#include "report/VYXReportParams.h"

// ---- Formulas --------------------------------------------------------------------------------------

int TVYXReport::Formula(std::u16string_view formula, double& number, std::u16string& text)
{
    TXLSFormulaValue v;
    if (!FFmla->Evaluate(formula, v))
        return 0;
    if (FFmla->Evaluator().PostProcess) {
        FPostProcess = true;
        FFmla->Evaluator().PostProcess = false;
    }
    switch (v.ValType) {
    case xfvtFloat: number = v.vFloat; return 1;
    case xfvtBoolean: number = v.vBool ? 1 : 0; return 2;
    case xfvtString: text = v.vStr; return text.empty() ? 0 : 3;
    default: return 0;
    }
}

std::u16string TVYXReport::FormulaText(std::u16string_view formula, const std::u16string& mask)
{
    double number = 0;
    std::u16string text;
    switch (Formula(formula, number, text)) {
    case 1: return FormatNumber(number, mask);
    case 2: return number != 0 ? u"TRUE" : u"FALSE";
    case 3: return text;
    default: return u"[???]";
    }
}

void TVYXReport::UserFunction(const std::u16string& name, TXLSUserFuncData& data)
{
    const std::u16string formula = FFmla->FormulaText();
    if (!data.IsName) {
        const TVYXReportParam* fn = VYXFindReportFunction(name);
        if (!fn) {
            if (OnUserFunction)
                OnUserFunction(name, data);
            return;
        }
        switch (fn->Id) {
        case arpiLine: data.SetResultAsFloat(FCurrent ? FCurrent->Line : 0); return;
        case arpiPage: data.SetResultAsFloat(FPage); return;
        case arpiPages:
            data.SetResultAsString(u"%%pages%%");
            data.PostProcess = true;
            FPostProcess = true;
            return;
        case arpiRGB: {
            int rgb[3] = {0, 0, 0};
            const int n = std::min(data.ArgCount(), 3);
            for (int i = 0; i < n; ++i)  // argument 0 is the last one
                rgb[n - 1 - i] = std::clamp(data.AsInteger(i), 0, 255);
            data.SetResultAsFloat(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
            return;
        }
        case arpiMakeBoo: {
            std::u16string bm = u"Bmk" + (data.ArgCount() > 0 ? data.AsString(0) : U16(std::to_string(FCurrent ? FCurrent->Line : 0)));
            std::erase_if(bm, [](char16_t c) { return c == u' '; });
            if (FCurrentPara && FOutput && !FOutput->Bookmarks().Find(bm))
                FCurrentPara->InsertBookmark(bm, 1, 1);
            data.SetResultAsString(bm);
            return;
        }
        case arpiExecuteBand:
        case arpiExecuteBandLoop: {
            if (data.ArgCount() == 0) {
                Warn(3520, Utf16ToUtf8(formula), "", FCurrent ? FCurrent->Place : u"");
            } else {
                const std::u16string bandName = data.AsString(data.ArgCount() - 1);
                TVYXReportBand* band = FindBand(bandName);
                if (!band) {
                    Warn(3519, Utf16ToUtf8(bandName), Utf16ToUtf8(formula), FCurrent ? FCurrent->Place : u"");
                } else if (FPending.size() < 1000 && FExecuteDepth < cMaxExecuteDepth && FExecuteRuns < cMaxExecuteRuns) {
                    // Calls at the depth limit are not queued, so a band calling itself ends there;
                    // the run budget keeps executebandloop inside itself from multiplying.
                    ++FExecuteRuns;
                    // Runs after the paragraph holding the call is filled, into the same list.
                    TPendingBand pending{band, fn->Id == arpiExecuteBandLoop, {}};
                    for (int i = data.ArgCount() - 2; i >= 0; --i)  // argument 0 is the last one
                        pending.Params.push_back(data.AsString(i));
                    FPending.push_back(std::move(pending));
                }
            }
            data.SetResultAsBoolean(true);
            return;
        }
        default: return;
        }
    }
    // Names: dataset.field, band.field.aggregate, dataset.field.aggregate, field.aggregate, field.
    std::vector<std::u16string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t dot = name.find(u'.', from);
        parts.push_back(name.substr(from, dot - from));
        if (dot == std::u16string::npos)
            break;
        from = dot + 1;
    }
    double value = 0;
    TVYXReportAggregate probe;
    const auto aggregateOf = [](TVYXReportBand* band, const std::u16string& field) -> TVYXReportAggregate* {
        for (TVYXReportBand* b = band; b; b = b->Parent) {
            const auto it = b->Aggregates.find(AsciiUpper(field));
            if (it != b->Aggregates.end())
                return &it->second;
        }
        return nullptr;
    };
    if (parts.size() >= 2 && VYXReportAggregateValue(parts.back(), probe, value)) {
        TVYXReportAggregate* agg = nullptr;
        if (parts.size() == 3) {
            TVYXReportBand* band = FindBand(parts[0]);
            if (!band)
                for (const auto& b : FBands)
                    if (b->Type == arbtDataSet && (SameTextAscii(b->DataSetName, parts[0]) ||
                                                   (b->DataSet && SameTextAscii(b->DataSet->Name, parts[0]))))
                        band = b.get();
            if (band)
                agg = aggregateOf(band, parts[1]);
            if (band && !agg)
                agg = &probe;  // the band printed no record with that field: everything is 0
        } else {
            agg = aggregateOf(FCurrent, parts[0]);
        }
        if (agg) {
            VYXReportAggregateValue(parts.back(), *agg, value);
            data.SetResultAsFloat(value);
            return;
        }
    }
    if (parts.size() <= 2) {
        TVYXRecordSource* ds = RuntimeDataSet(*this, FCurrent, parts.size() == 2 ? parts[0] : u"");
        const int f = ds ? ds->FindField(parts.back()) : -1;
        if (f >= 0) {
            const TVYXFieldValue v = ds->Value(f);
            const TVYXFieldType type = ds->FieldType(f);
            if (v.Null && type != avftString)
                data.SetResultAsString(u"");
            else if (type == avftBoolean)
                data.SetResultAsBoolean(v.Num != 0);
            else if (type != avftString)
                data.SetResultAsFloat(v.Num);
            else
                data.SetResultAsString(v.Text);
            return;
        }
    }
    if (OnUserFunction) {
        OnUserFunction(name, data);
        if (data.Result.ValType != xfvtError)
            return;
    }
    Warn(3516, Utf16ToUtf8(name), Utf16ToUtf8(formula), FCurrent ? FCurrent->Place : u"");
}
