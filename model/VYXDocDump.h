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

class TVYXLogParas;

// The dump of `paras` and everything nested in it; `indent` levels of leading blanks.
std::string VYXDumpParas(const TVYXLogParas& paras, int indent = 0);
