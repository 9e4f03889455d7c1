// VYXDocDump.h: the stored state of a document body as one text, for tests that compare a
// document before and after edits; the library's VYXDumpStoredState writes it.
#pragma once

#include <string>

#include "model/VYXDocDump.h"
#include "model/VYXDocSection.h"
#include "model/VYXFields.h"
#include "model/VYXLogDocument.h"
#include "model/VYXRevision.h"
#include "platform/VYXUnicode.h"

namespace vyxtest {

inline std::string Dump(TVYXLogDocument& doc) { return VYXDumpStoredState(doc); }

}  // namespace vyxtest
