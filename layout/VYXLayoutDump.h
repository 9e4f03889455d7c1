// VYXLayoutDump.h: a readable text or JSON view of a laid-out document: pages and their rows.
//
// Used by `vyx layout` and by the layout golden tests, so its format is stable:
// numbers with one decimal, texts in double quotes with \t, \n, \" and \\ escaped
// (plus \uXXXX for other control characters in JSON), page-number fields shown
// with the page's numbers.
#pragma once

#include <string>

class TVYXPaginatorDoc;

// `rows`: list each page's rows (text, x, baseline, width, height) and footnote rows.
std::string VYXLayoutDump(const TVYXPaginatorDoc& layout, bool rows, bool json);
