#pragma once

#include <cmath>
#include <cstdint>

namespace fw {

inline double RuntimeCvtSInt32ToReal64(int32_t value)
{
    return static_cast<double>(value);
}

// Double to Int32 truncates toward zero, as a compiled conversion does; it is total: NaN gives 0 and
// values beyond the Int32 range give its nearest end. A caption's x and a gradient channel move by at
// most one against rounding, and truncation keeps 144.5 at 144.
inline int32_t RuntimeCvtReal64ToSInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Int32 sums and differences wrap around, as the program's Int32 arithmetic does, instead of
// overflowing: a size from a settings record may be anything, and a wrapped move still undoes exactly.
inline int32_t wrappingAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t wrappingSub(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

} // namespace fw
