#include "framework/MemoryBlock.h"

#include "framework/ClassRecord.h"
#include "platform/FourCharCode.h"

#include <cstring>

namespace fw {

const ClassRecord& MemoryBlock::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define("MemoryBlock", &Object::__Lookup(), {}, nullptr);
    return record;
}

void MemoryBlock::Constructor(int32_t size)
{
    if (size < 0)
        throw OutOfBoundsException("a memory block cannot have a negative size");
    m_bytes.assign(static_cast<size_t>(size), 0);
}

void MemoryBlock::check(int32_t offset, int32_t width) const
{
    if (offset < 0 || static_cast<int64_t>(offset) + width > static_cast<int64_t>(m_bytes.size()))
        throw OutOfBoundsException(
            String("offset " + std::to_string(offset) + " is outside the memory block"));
}

int32_t MemoryBlock::Int32Value(int32_t offset) const
{
    check(offset, 4);
    int32_t value;
    std::memcpy(&value, m_bytes.data() + offset, 4);
    return value;
}

void MemoryBlock::setInt32Value(int32_t offset, int32_t value)
{
    check(offset, 4);
    std::memcpy(m_bytes.data() + offset, &value, 4);
}

String StringFromOSType(uint32_t code)
{
    return String(platform::fourCCString(code), Encoding::UTF8);
}

} // namespace fw
