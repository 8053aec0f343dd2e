#pragma once

#include "framework/Object.h"

#include <cstdint>

namespace fw {

// The first match of a search.
class RegExMatch : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    // The matched bytes, in the target's encoding.
    String Text;
    // Offset of the match's first byte in the target, from 0.
    int64_t BytePosition = 0;
};

} // namespace fw
