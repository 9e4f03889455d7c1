// CmdEval.cpp: `vyx eval "=formula"`, evaluates one formula and prints its value.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncLibrary.h"
#include "formula/VYXMask.h"
#include "platform/VYXErrors.h"
#include "platform/VYXPrintable.h"
#include "platform/VYXUnicode.h"
#include "tools/VyxCommands.h"

namespace {

struct TEvalOptions {
    std::string Formula;
    std::string Mask;  // formats a numeric result when set
    bool Ptgs = false;
    bool Local = false;
};

// The diagnostics printed so far: each line once, at most cMaxLines of them.
struct TPrinted {
    static constexpr std::size_t cMaxLines = 20;
    int Next = 0;
    std::set<std::string> Seen;
    std::size_t Suppressed = 0;
};

// Prints the diagnostics recorded since the last call.
void PrintDiagnostics(const TVYXErrorManager& errors, TPrinted& printed)
{
    for (; printed.Next < errors.Text.Count(); ++printed.Next) {
        const std::string line = VYXPrintable(errors.Text[printed.Next], 300);
        if (!printed.Seen.insert(line).second)
            continue;
        if (printed.Seen.size() > TPrinted::cMaxLines) {
            ++printed.Suppressed;
            continue;
        }
        std::fprintf(stderr, "vyx: %s\n", line.c_str());
    }
}

void PrintSuppressed(const TPrinted& printed)
{
    if (printed.Suppressed > 0)
        std::fprintf(stderr, "vyx: %zu more errors not shown\n", printed.Suppressed);
}

void RunEval(const TEvalOptions& opt)
{
    std::u16string text = Utf8ToUtf16(opt.Formula);
    if (!text.empty() && text[0] == u'=')
        text.erase(0, 1);
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    std::vector<std::uint8_t> ptgs;
    TPrinted printed;
    const bool ok = XLSEncodeFormula(manager, text, ptgs, !opt.Local);
    if (opt.Ptgs) {
        std::string hex;
        char byte[4];
        for (std::size_t i = 0; i < ptgs.size(); ++i) {
            std::snprintf(byte, sizeof byte, i ? " %02X" : "%02X", ptgs[i]);
            hex += byte;
        }
        std::printf("%s\n", hex.c_str());
        std::fflush(stdout);
    }
    PrintDiagnostics(errors, printed);
    gVyxExitCode = vyxFailed;
    if (!ok) {
        // No value: a formula that does not encode has none worth printing.
        PrintSuppressed(printed);
        if (errors.Text.Count() == 0)
            std::fprintf(stderr, "vyx: the formula could not be encoded\n");
        return;
    }
    const auto errorsBefore = errors.ErrorCount;
    XLSInitFunctionLibrary();
    TXLSFormulaEvaluator evaluator(manager);
    evaluator.UserFunctionEvent = [](const std::u16string& name, TXLSUserFuncData& data) {
        XLSAddInFunction(name, data);
    };
    try {
        TExcelMask mask;
        if (!opt.Mask.empty())
            mask.SetMask(Utf8ToUtf16(opt.Mask));
        const TXLSFormulaValue result = evaluator.Evaluate(0, 0, 0, ptgs);
        const std::u16string value = !opt.Mask.empty() && result.ValType == xfvtFloat
                                         ? mask.FormatNumber(result.vFloat)
                                         : XLSValueToStr(evaluator.Stack(), result);
        PrintDiagnostics(errors, printed);
        PrintSuppressed(printed);
        std::printf("%s\n", VYXPrintable(Utf16ToUtf8(value), 40000).c_str());
        // A value that came with errors is printed, but the run did not succeed.
        gVyxExitCode = errors.ErrorCount == errorsBefore ? vyxOk : vyxFailed;
    } catch (const VYXException& e) {
        // A formula whose bytes cannot be run, such as SUM() with too few arguments.
        PrintDiagnostics(errors, printed);
        PrintSuppressed(printed);
        std::fprintf(stderr, "vyx: %s\n", VYXPrintable(e.what(), 300).c_str());
    }
}

}  // namespace

void AddEvalCommand(CLI::App& app)
{
    auto opt = std::make_shared<TEvalOptions>();
    auto* cmd = app.add_subcommand("eval", "Evaluate a formula and print its value");
    cmd->add_option("formula", opt->Formula, "The formula, with or without a leading \"=\"")->required();
    cmd->add_flag("--ptgs", opt->Ptgs, "Also print the encoded formula bytes in hex");
    cmd->add_option("--mask", opt->Mask, "Format a numeric result with a number-format mask, e.g. \"0.00%\"");
    cmd->add_flag("--local", opt->Local, "Read numbers and argument lists in the current locale's notation");
    cmd->callback([opt] { RunEval(*opt); });
}
