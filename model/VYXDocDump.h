// VYXDocDump.h: a stable text picture of a document body, for golden-file tests of readers and editing.
//
// One line per item, two blanks of indentation per nesting level, UTF-8:
//
//   para style=Heading1 align=Center list=1:0
//     text "Hello" bold size=16
//     bookmark first "Intro"
//     field "PAGE" result="1"
//   table rows=2 cols=2 Width=300
//     row 0
//       cell 0 width=150 span=2 merge=root
//         para
//           text "in a cell"
//
// Runs show their resolved character format (document defaults, the paragraph
// style, the character style, the run's own list: what layout draws), and only
// where it differs from the document defaults. Paragraphs show their style,
// their resolved paragraph format where it differs from the defaults, their
// list level and their own flags. Tables show their own properties; rows and
// cells only what is set. Numbers are printed with at most two decimals and
// colours as RRGGBB, so the text does not change with float noise.
//
// Not supported: anchored (floating) objects beyond a count, section
// properties beyond a marker, headers, footers and notes' own text.
#pragma once

#include <string>
#include <string_view>

class TVYXLogParas;
class TVYXLogDocument;

// The dump of `paras` and everything nested in it; `indent` levels of leading blanks.
std::string VYXDumpParas(const TVYXLogParas& paras, int indent = 0);

// The stored state of a whole document, for comparing it before and after edits (undo,
// round trips), where a list that names a default value must still show:
//
//   P 12=1;40=Heading1;           a paragraph and its own property list ("-": none)
//     0 [Hello] 1=1;              a run: kind, plain text, own list, tracked change,
//     7 [] - <bookmark Intro 1>   the markup a boundary belongs to and its place
//   T ...  / cell 0,1             a table's own list, then every cell's paragraphs
//   bookmark Intro [Hello]        every bookmark, comment and permission with its text
//
// Nothing is resolved here, unlike VYXDumpParas.
std::string VYXDumpStoredState(TVYXLogDocument& doc);

// `text` as UTF-8 in double quotes with quotes, backslashes and control characters escaped:
// "\x1F" style (and "\r") for the text dumps, "\u001f" style for JSON.
std::string VYXDumpQuote(std::u16string_view text, bool json = false);
