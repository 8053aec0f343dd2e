#pragma once

#include "framework/Object.h"

namespace fw {

// The options of one expression, read when it searches.
class RegExOptions : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    // Kept for callers that set it; the one-argument Search looks for the first match only.
    bool ReplaceAllMatches = false;
    // A new expression tells letter case apart, as the file systems we run on do: a name that a
    // pattern picks out by its ending is then found again under that same ending. ("i" sets this,
    // so no option letter turns it off.)
    bool CaseSensitive = true;
    // False: ^ and $ also match at each line break (CR, LF or CR LF), as a text field's lines run.
    bool TreatTargetAsOneLine = false;
    // False: a dot stops at line breaks, the usual reading of a pattern.
    bool DotMatchAll = false;
};

} // namespace fw
