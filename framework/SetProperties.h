#pragma once

#include "framework/ClassRecord.h"
#include "framework/Object.h"

#include <string_view>

namespace fw {

// Applies a settings record to an object: entries of name, one space, and a value whose width the
// named property's type gives (Int32 4 bytes big-endian, Boolean 1, Color 3, String a 4-byte
// big-endian length and the text). Names are found regardless of letter case in the object's class
// and its ancestors. A name that the class lacks, a record that ends inside a name or a value, or an
// object-typed property raises PropertyRecordException naming the property and the offset; entries
// before the bad one stay applied, and nothing is read past the record's end.
void _SetProperties(const Ref<Object>& object, std::string_view record);

} // namespace fw
