// VYXLogParasShared.h: helpers that the body's source units share (paragraph, list,
// deletion across lists). Internal to model/: nothing outside the body includes it.
#pragma once

#include <cstdint>
#include <functional>

class TVYXLogPara;
class TVYXLogPos;
class TVYXRootData;
class TVYXCharRun;
class TVYXCharRunHyperlink;
class TVYXRevisionData;

// A letter, digit or underscore, or any other character outside the spaces and
// general punctuation: what word navigation and whole-word search treat as a word's.
bool VYXIsWordChar(char16_t c);

// True when the document enforces its protection (editing outside permitted ranges is refused).
bool VYXProtectionEnforced(const TVYXRootData* root);

// Calls `part` for each paragraph from `first` to `last` in reading order with the
// part of it the range covers (`to` exclusive). Stops at the document's end when
// `last` is never met.
void VYXForEachParaPart(const TVYXLogPos& first, const TVYXLogPos& last,
                        const std::function<void(TVYXLogPara& para, std::int32_t from, std::int32_t to)>& part);

// True when both ends lie in paragraphs and `first` does not come after `last`.
bool VYXOrderedRange(const TVYXLogPos& first, const TVYXLogPos& last);

// Enabled revision data of a run (disabled changes are hidden from every walk); nullptr when none.
const TVYXRevisionData* VYXEnabledChangeOf(const TVYXCharRun& run);

// The hyperlink run holding the character at `pos` of `para`, else the one before it; nullptr when none.
TVYXCharRunHyperlink* VYXHyperlinkRunAt(TVYXLogPara& para, std::int32_t pos);
