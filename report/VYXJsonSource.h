// VYXJsonSource.h: records from a JSON array of objects; nested arrays of objects become detail data sets.
//
// The text is an array of objects, or one object standing for one record, or an
// object whose one array member holds the records. Each member with a scalar value is
// a field (fields appear in the order they are first met; a record without one has
// null there). A member whose value is an array of objects is the detail data set of
// that name for its record; other arrays and objects are kept as their JSON text.
// Field types: all integers → integer, all numbers → float, all booleans → boolean,
// all strings → string read further as dates and numbers like CSV, a mix → string.
// Malformed JSON raises VYXException with the parser's place; nesting deeper than
// 64 levels too.
#pragma once

#include <string>
#include <string_view>

#include "report/VYXRecordSource.h"

class TVYXJsonSource : public TVYXMemorySource {
public:
    void LoadFromString(std::string_view bytes);
    void LoadFromFile(const std::string& fileName);
};
