// VYXRtfTestUtil.h: helpers shared by the RTF reader and writer tests.
#pragma once

#include <string>
#include <vector>

class TVYXLogParas;

// The text of a body as a reader sees it: runs that show text, tabs and breaks as
// blanks, a line feed after every paragraph, cells in reading order.
std::u16string RtfBodyText(const TVYXLogParas& paras);
// Every run of white space becomes one blank; no blanks at the ends.
std::u16string RtfNormalizeSpace(std::u16string_view text);
std::string ReadFileBytes(const std::string& path);
// The corpus RTF files (sorted paths); empty when the shared corpus is absent.
std::vector<std::string> RtfCorpusFiles();
std::string ToUtf8(std::u16string_view text);
// One line per floating object anchored in `paras` (cells and text boxes included), in
// reading order: kind, place and size in points, what they are relative to, wrapping,
// order, angle, colours, and a text box's text in quotes.
std::string RtfGraphicsDump(const TVYXLogParas& paras);
