// CmdEval.cpp: `vyx eval "=formula"`, evaluates one formula and prints its value.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "formula/VYXCellStore.h"
#include "formula/VYXEncodeFmla.h"
#include "formula/VYXEvaluateFmla.h"
#include "formula/VYXFuncLibrary.h"
#include "formula/VYXMask.h"
#include "platform/VYXErrors.h"
#include "platform/VYXUnicode.h"
#include "tools/VyxCommands.h"

namespace {

struct TEvalOptions {
    std::string Formula;
    std::string Mask;  // formats a numeric result when set
    bool Ptgs = false;
    bool Local = false;
};

// Prints the diagnostics recorded since the last call.
void PrintDiagnostics(const TVYXErrorManager& errors, int& printed)
{
    for (; printed < errors.Text.Count(); ++printed)
        std::fprintf(stderr, "vyx: %s\n", errors.Text[printed].c_str());
}

void RunEval(const TEvalOptions& opt)
{
    std::u16string text = Utf8ToUtf16(opt.Formula);
    if (!text.empty() && text[0] == u'=')
        text.erase(0, 1);
    TVYXErrorManager errors;
    TXLSCellManager manager(errors);
    std::vector<std::uint8_t> ptgs;
    int printed = 0;
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
    if (!ok)
        return;
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
        std::printf("%s\n", Utf16ToUtf8(value).c_str());
        gVyxExitCode = vyxOk;
    } catch (const VYXException& e) {
        // A formula whose bytes cannot be run, such as SUM() with too few arguments.
        PrintDiagnostics(errors, printed);
        std::fprintf(stderr, "vyx: %s\n", e.what());
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
