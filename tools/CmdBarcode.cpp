// CmdBarcode.cpp: `vyx barcode TYPE TEXT OUT.png|OUT.svg`, one symbol as a picture.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>

#include "barcode/VYXBarcode.h"
#include "barcode/VYXBarcodeImage.h"
#include "barcode/VYXQRCode.h"
#include "platform/VYXPngWrite.h"
#include "platform/VYXUnicode.h"
#include "tools/VyxCommands.h"
#include "tools/VyxOutput.h"

namespace {
struct TBarcodeOptions {
    std::string Type;
    std::string Text;
    std::string Output;
    int Scale = 3;         // pixels per drawing unit in PNG files
    int Modul = 1;
    double Ratio = 2.0;
    int Height = 50;       // bar height in drawing units
    bool NoCheckSum = false;
    std::string Level = "M";
};

// What each type accepts, for the message when a text does not fit.
constexpr const char* cTextRules[cVYXBarcodeTypeCount] = {
    "",
    "digits",
    "digits",
    "digits",
    "digits, A-Z, space and - . $ / + %",
    "ASCII characters",
    "ASCII characters",
    "ASCII characters",
    "ASCII characters",
    "digits, A-Z, space and - . $ / + %",
    "ASCII characters",
    "digits",
    "5, 9 or 11 digits (one more with its check digit and --no-checksum)",
    "digits and - $ : / . +, optionally between start and stop letters A-D",
    "7 digits (8 with its check digit and --no-checksum)",
    "12 digits (13 with its check digit and --no-checksum)",
    "11 digits (12 with its check digit and --no-checksum)",
    "6 digits or a compressible UPC-A number starting with 0 (one more with --no-checksum)",
    "6 digits or a compressible UPC-A number starting with 1 (one more with --no-checksum)",
    "exactly 2 digits",
    "exactly 5 digits",
    "ASCII characters, \"&FNC1;\" between elements",
    "ASCII characters, \"&FNC1;\" between elements",
    "digits, \"&FNC1;\" between elements",
    "",
};

std::string TypeList()
{
    std::string list;
    for (int t = 1; t < cVYXBarcodeTypeCount; ++t) {
        if (!list.empty())
            list += ", ";
        list += VYXBarcodeTypeName(static_cast<TVYXBarcodeType>(t));
    }
    return list;
}

bool EndsWith(const std::string& s, std::string_view tail)
{
    return s.size() >= tail.size() && SameTextAscii(std::string_view(s).substr(s.size() - tail.size()), tail);
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "vyx barcode: %s\n", message.c_str());
    return vyxFailed;
}

int RunBarcode(const TBarcodeOptions& o)
{
    const bool svg = EndsWith(o.Output, ".svg");
    if (!svg && !EndsWith(o.Output, ".png")) {
        std::fprintf(stderr, "vyx barcode: the output file must end in .png or .svg\n");
        return vyxUsage;
    }
    const TVYXBarcodeType type = VYXBarcodeTypeByName(o.Type);
    if (type == abctUnknown) {
        std::fprintf(stderr, "vyx barcode: unknown type \"%s\"; the types are %s\n", o.Type.c_str(), TypeList().c_str());
        return vyxUsage;
    }
    if (!IsValidUtf8(o.Text))
        return Fail("the text is not valid UTF-8");
    const std::u16string text = Utf8ToUtf16(o.Text);
    std::string bytes;
    if (type == abctQR) {
        static constexpr std::string_view cLevels = "LMQH";
        const size_t level = o.Level.size() == 1 ? cLevels.find(AsciiUpper(o.Level)[0]) : std::string_view::npos;
        if (level == std::string_view::npos) {
            std::fprintf(stderr, "vyx barcode: the QR level must be L, M, Q or H\n");
            return vyxUsage;
        }
        const TVYXModuleMatrix matrix = VYXEncodeQR(text, static_cast<TVYXQRErrorLevel>(level));
        if (matrix.Empty())
            return Fail(text.empty() ? "a QR code needs a text"
                                     : "the text does not fit in a QR code at level " + o.Level);
        constexpr int cQuietModules = 4;
        if (svg) {
            bytes = VYXModulesToSvg(matrix, cQuietModules);
        } else {
            const TVYXGrayImage image = VYXRenderModules(matrix, o.Scale, cQuietModules);
            bytes = VYXEncodePngGray(image.FWidth, image.FHeight, image.FPixels.data());
        }
    } else {
        TVYXBarcode bc;
        bc.FType = type;
        bc.FText = text;
        bc.FModul = o.Modul;
        bc.FRatio = o.Ratio;
        bc.FCheckSum = !o.NoCheckSum;
        bc.FValid = true;  // a digits-only type leaves it alone when it refuses the text
        const std::string pattern = bc.MakeData();
        if (pattern.empty())
            return Fail("\"" + o.Text + "\" cannot be written as " + std::string(VYXBarcodeTypeName(type)) +
                        ", which takes " + cTextRules[type]);
        // Ten narrow modules of quiet zone are what the strictest symbologies ask for.
        const int quiet = 10 * bc.FModules[0];
        const int height = o.Height * bc.FModules[0];
        if (svg) {
            bytes = VYXBarsToSvg(bc, pattern, height, quiet);
        } else {
            const TVYXGrayImage image = VYXRenderBars(bc, pattern, o.Scale, height * o.Scale, quiet);
            bytes = VYXEncodePngGray(image.FWidth, image.FHeight, image.FPixels.data());
        }
    }
    VyxWriteOutput(o.Output, bytes, {});
    return vyxOk;
}
}  // namespace

void AddBarcodeCommand(CLI::App& app)
{
    auto opts = std::make_shared<TBarcodeOptions>();
    auto* cmd = app.add_subcommand("barcode", "Draw a barcode or QR code as a PNG or SVG picture");
    cmd->add_option("type", opts->Type, "Symbology: " + TypeList())->required();
    cmd->add_option("text", opts->Text, "The data to encode")->required();
    cmd->add_option("output", opts->Output, "Picture to write (.png or .svg)")->required();
    cmd->add_option("--scale", opts->Scale, "Pixels per drawing unit in PNG pictures")->check(CLI::Range(1, 50));
    cmd->add_option("--modul", opts->Modul, "Drawing units of the narrowest bar")->check(CLI::Range(1, 20));
    cmd->add_option("--ratio", opts->Ratio, "Wide-to-narrow ratio")->check(CLI::Range(1.0, 3.0));
    cmd->add_option("--height", opts->Height, "Bar height in narrow modules")->check(CLI::Range(5, 1000));
    cmd->add_flag("--no-checksum", opts->NoCheckSum, "The text carries its check digit; do not add one");
    cmd->add_option("--level", opts->Level, "QR error correction: L, M, Q or H");
    cmd->callback([opts] { gVyxExitCode = RunBarcode(*opts); });
}
