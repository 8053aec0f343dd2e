#pragma once

#include "framework/Object.h"

#include <vector>

namespace fw {

// A block of bytes whose address can be handed to the platform. A new block is all zero bytes, so
// that pointer fields in it are nil. Its numbers are in the host's byte order, as the platform reads
// them.
class MemoryBlock : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    void Constructor(int32_t size);

    // A read or write that does not lie inside the block raises OutOfBoundsException.
    int32_t Int32Value(int32_t offset) const;
    void setInt32Value(int32_t offset, int32_t value);
    void* Ptr() { return m_bytes.data(); }
    const void* Ptr() const { return m_bytes.data(); }

private:
    void check(int32_t offset, int32_t width) const;

    std::vector<unsigned char> m_bytes;
};

// The four characters of a four-character code, first character in the code's high byte.
String StringFromOSType(uint32_t code);

} // namespace fw
