#pragma once

#include "framework/ClassRecord.h"

// The run-time records of the exception classes: exceptions are C++ exception types, so their records
// live here rather than on the classes.
namespace fw::ExceptionRecords {
const ClassRecord& RuntimeException();
const ClassRecord& NilObjectException();
const ClassRecord& RegExException();
const ClassRecord& RegExSearchPatternException();
} // namespace fw::ExceptionRecords
