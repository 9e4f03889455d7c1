// VYXBarcode.h: turns a text into the bar pattern of a linear barcode and measures it.
//
// The barcode graphic of a document and the barcode fields of reports keep a
// TVYXBarcode, ask it for the bar pattern and draw that pattern as black and
// white lines. QR codes are not bars: they go through VYXQRCode.h.
//
// Bar pattern language: one character per bar or gap,
//   '0'..'3'  white gap of module width 0..3
//   '5'..'8'  full-height black bar of module width 0..3
//   'A'..'D'  half-height black bar (the short bars of POSTNET) of module width 0..3
// The four module widths live in FModules and are worked out before every
// encoding from FModul and FRatio.
//
// Choices where the symbology standards leave room (the why is at each encoder):
// - Symbologies built from 1- to 4-module elements (Code 128, GS1-128, Code 93,
//   EAN, UPC and the add-ons) always use 1, 2, 3 and 4 x FModul whatever the
//   ratio: any other ratio would print a symbol no scanner reads as intended.
//   MSI clamps its ratio to 2..3 like the other narrow/wide types; POSTNET
//   draws its gaps one wide module (ratio at least 1) after each bar.
// - A mandatory check digit (EAN, UPC, POSTNET, Code 93, Code 128) is always
//   computed. With FCheckSum set the text must lack it; with FCheckSum off (or
//   method csmNone) the text must carry it and it must be right.
// - Optional check digits (2 of 5 family, Code 39, MSI) follow FCheckSum: the
//   2 of 5 family uses the modulo 10 of FCheckSumMethod, Code 39 its own
//   modulo 43 character and MSI its own (Luhn) modulo 10, as scanners expect.
// - Whenever the outcome is not valid the pattern is empty, so no caller can
//   print a symbol that does not say what the text says.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

enum TVYXBarcodeType {
    abctUnknown,
    abct2_5_interleaved,
    abct2_5_industrial,
    abct2_5_matrix,
    abct39,
    abct39Extended,
    abct128A,
    abct128B,
    abct128C,
    abct93,
    abct93Extended,
    abctMSI,
    abctPostNet,
    abctCodabar,
    abctEAN8,
    abctEAN13,
    abctUPC_A,
    abctUPC_E0,
    abctUPC_E1,
    abctUPC_Supp2,
    abctUPC_Supp5,
    abctEAN128A,
    abctEAN128B,
    abctEAN128C,
    abctQR
};
constexpr int cVYXBarcodeTypeCount = abctQR + 1;

enum TfrxCheckSumMethod { csmNone, csmModulo10 };

// How one pattern character is drawn.
enum class TfrxBarLineType : unsigned char { white, black, black_half };

// The name of a type as stored in documents and report templates ("EAN13").
std::string_view VYXBarcodeTypeName(TVYXBarcodeType type);
// The type whose name equals `name` ignoring ASCII case; abctUnknown when none.
TVYXBarcodeType VYXBarcodeTypeByName(std::string_view name);
// Whether the type accepts digits only.
bool VYXBarcodeDigitsOnly(TVYXBarcodeType type);

// One bar of a pattern: where it starts and how wide it is, in drawing units.
// Drawing code paints these as rectangles instead of walking unit by unit.
struct TVYXBarRun {
    int FX = 0;
    int FWidth = 0;
    TfrxBarLineType FKind = TfrxBarLineType::black;
};

class TVYXBarcode {
public:
    bool FCheckSum = true;                          // append a check digit where one is allowed
    TfrxCheckSumMethod FCheckSumMethod = csmModulo10;
    int FModul = 1;                                 // narrowest bar, in drawing units
    double FRatio = 2.0;                            // wide-to-narrow ratio
    std::u16string FText;                           // the data
    std::u16string FTextCS;                         // the data with its check digit(s) as encoded
    TVYXBarcodeType FType = abctEAN13;
    std::array<int, 4> FModules{1, 2, 3, 4};        // widths of the four bar widths
    bool FValid = false;                            // the last encoding succeeded

    // Copies text, module, ratio, type and both checksum fields.
    void Assign(const TVYXBarcode& source);
    void SetText(std::u16string_view text) { FText = text; }

    // Encodes FText into a pattern; empty when the text cannot be encoded
    // (texts above 1024 characters never are: no reader takes such a symbol).
    // Raises "TVYXBarcode: wrong BarcodeType" for abctUnknown and abctQR.
    void MakeData(std::string& pattern);
    std::string MakeData();

    // Total width of a pattern (or of the current text's pattern) in drawing units.
    int GetWidth(std::string_view pattern) const;
    int GetWidth();

    // One line kind per drawing unit of the pattern.
    void DoLines(std::string_view pattern, std::vector<TfrxBarLineType>& lines) const;
    // Width and kind of one pattern character; raises "TVYXBarcode: internal Error"
    // for a character outside the pattern language.
    void OneBarProps(char code, int& width, TfrxBarLineType& lineType) const;
    // The black bars of a pattern, left to right (gaps are what lies between).
    std::vector<TVYXBarRun> BarRuns(std::string_view pattern) const;

private:
    void MakeModules();
};
