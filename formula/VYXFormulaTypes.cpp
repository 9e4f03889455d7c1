// VYXFormulaTypes.cpp: error texts and the ptg size table.
#include "formula/VYXFormulaTypes.h"

#include <array>

#include "platform/VYXUnicode.h"

namespace {

constexpr std::u16string_view cErrorTexts[cXLSCellErrorCount] = {
    u"", u"#NULL!", u"#DIV/0!", u"#VALUE!", u"#REF!", u"#NAME?", u"#NUM!", u"#N/A", u"#GETTING_DATA",
};

struct TSizeEntry {
    std::uint8_t Id;
    std::int8_t Size;
};

// Records of the plain binary encoding (ids below 128). The operand records
// exist in three classes (reference, value, array) at offsets 0x00, 0x20, 0x40
// from the base id listed here.
constexpr TSizeEntry cPlainSizes[] = {
    {0x01, 5}, {0x02, 5},  // shared formula / data table anchors
    {0x03, 1}, {0x04, 1}, {0x05, 1}, {0x06, 1}, {0x07, 1}, {0x08, 1}, {0x09, 1}, {0x0A, 1},
    {0x0B, 1}, {0x0C, 1}, {0x0D, 1}, {0x0E, 1}, {0x0F, 1}, {0x10, 1}, {0x11, 1}, {0x12, 1},
    {0x13, 1}, {0x14, 1}, {0x15, 1}, {0x16, 1},
    {0x1C, sizeof(TXLSPtgsErr)}, {0x1D, sizeof(TXLSPtgsBool)},
    {0x1E, sizeof(TXLSPtgsInt97)}, {0x1F, sizeof(TXLSPtgsNum)},
};
constexpr TSizeEntry cOperandSizes[] = {
    {0x20, 8}, {0x21, 3}, {0x22, 4}, {0x23, sizeof(TXLSPtgsName97)}, {0x24, sizeof(TXLSPtgsRef97)},
    {0x25, sizeof(TXLSPtgsArea97)}, {0x26, 7}, {0x27, 7}, {0x28, 7}, {0x29, 3}, {0x2A, 5}, {0x2B, 9},
    {0x2C, 5}, {0x2D, 9}, {0x39, sizeof(TXLSPtgsNameX97)}, {0x3A, sizeof(TXLSPtgsRef3d97)},
    {0x3B, sizeof(TXLSPtgsArea3d97)}, {0x3C, 7}, {0x3D, 11},
};
constexpr TSizeEntry cWideSizes[] = {
    {xptgArray, sizeof(TXLSPtgsArray)},
    {xptgFunc, sizeof(TXLSPtgsFunc)},
    {xptgFuncVar, sizeof(TXLSPtgsFuncVar)},
    {xptgName, sizeof(TXLSPtgsName)},
    {xptgRef, sizeof(TXLSPtgsRef)},
    {xptgArea, sizeof(TXLSPtgsArea)},
    {xptgRefErr, sizeof(TXLSPtgsRef)},
    {xptgAreaErr, sizeof(TXLSPtgsArea)},
    {xptgInt, sizeof(TXLSPtgsInt)},
    {xptgWS, sizeof(TXLSPtgsWS)},
    {xptgRef1d, sizeof(TXLSPtgsRef1d)},
    {xptgRef3d, sizeof(TXLSPtgsRef3d)},
    {xptgXRef1d, sizeof(TXLSPtgsXRef1d)},
    {xptgXRef3d, sizeof(TXLSPtgsXRef3d)},
    {xptgArea1d, sizeof(TXLSPtgsArea1d)},
    {xptgArea3d, sizeof(TXLSPtgsArea3d)},
    {xptgXArea1d, sizeof(TXLSPtgsXArea1d)},
    {xptgXArea3d, sizeof(TXLSPtgsXArea3d)},
    {xptgRef1dError, sizeof(TXLSPtgsRef1dError)},
    {xptgArea1dError, sizeof(TXLSPtgsArea1dError)},
    {xptgArrayChildFmla, sizeof(TXLSPtgsArrayChildFmla)},
    {xptgDataTableFmla, sizeof(TXLSPtgsDataTableFmla)},
    {xptgDataTableChildFmla, sizeof(TXLSPtgsDataTableChildFmla)},
    {xptgTable, sizeof(TXLSPtgsTable)},
    {xptgTableCol, sizeof(TXLSPtgsTableCol)},
    {xptgTableSpecial, sizeof(TXLSPtgsTableSpecial)},
    {xptgList, 1},
    {xptgMissArg, 1},
};

// The layouts are part of the stored format: a padding byte would break every formula.
static_assert(sizeof(TXLSPtgsNum) == 9 && sizeof(TXLSPtgsArray) == 7 && sizeof(TXLSPtgsFuncVar) == 4);
static_assert(sizeof(TXLSPtgsRef) == 7 && sizeof(TXLSPtgsArea) == 13 && sizeof(TXLSPtgsInt) == 5);
static_assert(sizeof(TXLSPtgsRef1d) == 8 && sizeof(TXLSPtgsRef3d) == 9 && sizeof(TXLSPtgsXRef1d) == 10);
static_assert(sizeof(TXLSPtgsXRef3d) == 11 && sizeof(TXLSPtgsArea1d) == 14 && sizeof(TXLSPtgsArea3d) == 15);
static_assert(sizeof(TXLSPtgsXArea1d) == 16 && sizeof(TXLSPtgsXArea3d) == 17);
static_assert(sizeof(TXLSPtgsRef1dError) == 8 && sizeof(TXLSPtgsArea1dError) == 14);
static_assert(sizeof(TXLSPtgsArrayChildFmla) == 7 && sizeof(TXLSPtgsDataTableFmla) == 14);
static_assert(sizeof(TXLSPtgsTable) == 19 && sizeof(TXLSPtgsTableCol) == 18 && sizeof(TXLSPtgsTableSpecial) == 16);
static_assert(sizeof(TXLSPtgsStr) == 3 && sizeof(TXLSPtgsUserFunc) == 4 && sizeof(TXLSPtgsNameStr) == 4);

std::array<std::int8_t, 256> BuildSizes()
{
    std::array<std::int8_t, 256> sizes;
    sizes.fill(-1);
    for (const auto& e : cPlainSizes)
        sizes[e.Id] = e.Size;
    for (const auto& e : cOperandSizes)
        for (int cls = 0; cls < 3; ++cls)
            sizes[e.Id + cls * 0x20] = e.Size;
    for (const auto& e : cWideSizes)
        sizes[e.Id] = e.Size;
    return sizes;
}

}  // namespace

std::u16string_view XLSErrorText(TXLSCellError err)
{
    return err < cXLSCellErrorCount ? cErrorTexts[err] : std::u16string_view();
}

TXLSCellError XLSErrorFromText(std::u16string_view text)
{
    const std::u16string upper = AsciiUpper(text);
    for (int e = errNull; e < cXLSCellErrorCount; ++e)
        if (upper == cErrorTexts[e])
            return static_cast<TXLSCellError>(e);
    return errUnknown;
}

int XLSPtgSize(std::uint8_t id)
{
    static const std::array<std::int8_t, 256> sizes = BuildSizes();
    return sizes[id];
}
