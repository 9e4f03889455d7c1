// VYXDocTestBuilder.h: builds small binary documents in memory for tests and fuzz seeds:
// a file information block, pieces of 8-bit or UTF-16 text, one character and one
// paragraph property page, an optional piece-modifier block and a style sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TDocTestPiece {
    std::u16string Text;
    bool Compressed = false;  // stored as 8-bit characters
    std::uint16_t Prm = 0;    // the piece's modifier reference (odd: index into the Prc blocks)
};

// Properties over character positions [CpStart, CpEnd).
struct TDocTestRun {
    std::uint32_t CpStart = 0, CpEnd = 0;
    std::string Grpprl;  // modifiers
    std::uint16_t Istd = 0;  // paragraph runs only
};

struct TDocTestStyle {
    std::u16string Name;
    int Kind = 1;  // 1 paragraph, 2 character
    std::uint16_t Base = 0x0FFF;
    std::string Papx, Chpx;
    std::uint16_t Sti = 0xFFFF;  // built-in identifier; default: Normal, Default Paragraph Font
};

class TDocTestBuilder {
public:
    std::vector<TDocTestPiece> Pieces;
    std::vector<TDocTestRun> CharRuns, ParaRuns;
    std::vector<std::string> Prcs;
    std::vector<TDocTestStyle> Styles;
    std::uint16_t Flags = 0x0200;  // the table stream is "1Table"
    // UTF-16 pieces start on a multiple of this offset (padding after 8-bit text).
    std::uint32_t UnicodeAlign = 2;
    // Footnotes: the last CcpFtn characters of the pieces are the footnote story;
    // FtnRefs are the references' positions in the main text, FtnTxt the notes' limits
    // in the story (one more than references).
    std::uint32_t CcpFtn = 0;
    std::vector<std::uint32_t> FtnRefs, FtnTxt;

    // The compound file.
    std::string Build() const;
    // Its two streams, for tests that damage them.
    void BuildStreams(std::string& wordDocument, std::string& table) const;
};

// Modifier bytes: a code and its operand.
std::string DocSprm(std::uint16_t code, std::uint64_t operand, int operandSize);
std::string DocSprmBytes(std::uint16_t code, const std::string& operand);

// A long document for benchmarks and extraction comparisons: `pages` pages of text.
TDocTestBuilder DocManyPages(int pages);
