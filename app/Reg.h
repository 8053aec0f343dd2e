#pragma once

#include "framework/RegEx.h"

// The palette's pattern matcher: one call that says whether a text holds a match.
namespace Reg {

// True when `pattern`, with the option letters of `options`, matches somewhere in `target`. A pattern
// the component rejects shows the component's message and gives False.
bool m(const fw::String& target, const fw::String& pattern, const fw::String& options);

// Applies the option letters g, i, m and s, in either case, to the options of `re`; other characters
// are skipped.
void Option(const fw::String& options, fw::Ref<fw::RegEx>& re);

} // namespace Reg
