// VYXReadRTFTable.h: the RTF reader's keyword table, shared with its tests.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

enum TRtfKind : std::uint8_t { rtfkChar, rtfkDest, rtfkProp, rtfkSpec };

enum TRtfAction : std::uint8_t {
    rtfpNone,
    // Character properties.
    rtfpBold, rtfpItalic, rtfpStrike, rtfpHidden, rtfpCaps, rtfpSmallCaps, rtfpOutline, rtfpShadow, rtfpEmboss,
    rtfpEngrave, rtfpRtl, rtfpUnderline, rtfpUnderlineColor, rtfpColor, rtfpFill, rtfpScript, rtfpFontSize, rtfpFont,
    rtfpCharStyle, rtfpPlain, rtfpCharBorder,
    // Paragraph properties.
    rtfpPard, rtfpAlign, rtfpIndentLeft, rtfpIndentRight, rtfpIndentFirst, rtfpSpaceBefore, rtfpSpaceAfter,
    rtfpLineSpacing, rtfpLineMult, rtfpParaColor, rtfpKeepNext, rtfpKeepLines, rtfpWidowControl, rtfpOutlineLevel, rtfpTabPos, rtfpTabAlign,
    rtfpTabLeader, rtfpParaBorder, rtfpBorderStyle, rtfpBorderWidth, rtfpBorderColor, rtfpBorderSpace, rtfpInTable,
    rtfpTableLevel, rtfpList, rtfpListLevel,
    // Frames.
    rtfpFrameW, rtfpFrameH, rtfpFrameX, rtfpFrameNegX, rtfpFrameY, rtfpFrameNegY, rtfpFrameHAnchor, rtfpFrameVAnchor,
    rtfpFrameSpace,
    // Tables.
    rtfpRowDefaults, rtfpCellX, rtfpRowHeight, rtfpCellBorder, rtfpCellColor, rtfpCellMerge, rtfpCellHMerge, rtfpCellVAlign,
    rtfpPaddingLeft, rtfpPaddingTop, rtfpPaddingRight, rtfpPaddingBottom, rtfpRowBorder, rtfpRowKeep, rtfpRowKeepFollow, rtfpRowHeader,
    // Sections and the document.
    rtfpSectDefaults, rtfpColumns, rtfpColumnSpace, rtfpPaperWidth, rtfpPaperHeight, rtfpMarginLeft, rtfpMarginRight,
    rtfpMarginTop, rtfpMarginBottom, rtfpTitlePage, rtfpLandscape,
    // Code pages and fonts.
    rtfpAnsiCodePage, rtfpCharset, rtfpDefaultFont, rtfpFontCharset, rtfpFontCodePage,
    // Colour table, style sheet, list table.
    rtfpRed, rtfpGreen, rtfpBlue, rtfpBasedOn, rtfpParaStyle, rtfpSectStyle, rtfpTableStyle, rtfpListBegin, rtfpListLevelBegin,
    rtfpLevelNfc, rtfpListId, rtfpListOverrideBegin,
    // Pictures, notes, fields.
    rtfpPictType, rtfpPicW, rtfpPicH, rtfpPicWGoal, rtfpPicHGoal, rtfpPicScaleX, rtfpPicScaleY, rtfpPicCrop,
    rtfpEndnote, rtfpDataField,
    // Shapes.
    rtfpShapeLeft, rtfpShapeTop, rtfpShapeRight, rtfpShapeBottom, rtfpShapeBx, rtfpShapeBy, rtfpShapeWrap,
    rtfpShapeWrapSide, rtfpShapeZ, rtfpShapeBelow,
    // Revisions and old-style lists.
    rtfpRevised, rtfpDeleted, rtfpRevAuthor, rtfpRevAuthorDel, rtfpRevDate, rtfpRevDateDel, rtfpLegacyList,
    // Special actions.
    rtfsPar, rtfsSect, rtfsLine, rtfsPage, rtfsColumn, rtfsTab, rtfsCell, rtfsRow, rtfsNestRow, rtfsBin, rtfsHex,
    rtfsSkipDest, rtfsUnicode, rtfsUnicodeSkip, rtfsNoteMark,
    // Destinations.
    rtfdNone, rtfdSkip, rtfdInPlace, rtfdFontTable, rtfdColorTable, rtfdStyleSheet, rtfdPicture, rtfdField,
    rtfdFieldInstr, rtfdFieldResult, rtfdBookmarkStart, rtfdBookmarkEnd, rtfdFootnote, rtfdHeader, rtfdHeaderEven,
    rtfdHeaderFirst, rtfdFooter, rtfdFooterEven, rtfdFooterFirst, rtfdAnnotation, rtfdAnnInitials, rtfdAnnAuthor,
    rtfdAnnRef, rtfdAnnStart, rtfdAnnEnd, rtfdGenerator, rtfdListTable, rtfdNestTableProps, rtfdUpr,
    rtfdRevTable, rtfdLegacyList, rtfdShape, rtfdShapeInst, rtfdShapeProp, rtfdShapeName, rtfdShapeValue,
    rtfdShapeText, rtfdShapeResult
};

struct TRtfKeyword {
    std::string_view Name;
    TRtfKind Kind;
    TRtfAction Action;
    std::int32_t Default;  // the parameter when the word has none and UseDefault is set; a character for rtfkChar
    bool UseDefault;
};

// Every known control word, sorted by name.
std::span<const TRtfKeyword> VYXRtfKeywords();
// The row of a control word (already lower-cased), nullptr when unknown.
const TRtfKeyword* VYXRtfFindKeyword(std::string_view name);
