#pragma once

#include "framework/Object.h"
#include "framework/RegExException.h"
#include "framework/RegExMatch.h"
#include "framework/RegExOptions.h"

namespace fw {

// A regular expression over UTF-8 text. The pattern is compiled when it searches, so options set after
// the pattern still apply.
class RegEx : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    String SearchPattern;

    // The expression's own options: the same object on every call, made at the first.
    Ref<RegExOptions> Options() const;

    // The first match in `target` from its start, or nil. A pattern that does not compile raises
    // RegExSearchPatternException; a search the engine gives up on raises RegExException.
    Ref<RegExMatch> Search(const String& target);

private:
    // Made when first asked for: most expressions search with the defaults and never need one.
    mutable Ref<RegExOptions> m_options;
};

} // namespace fw
