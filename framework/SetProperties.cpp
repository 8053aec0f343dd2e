#include "framework/SetProperties.h"

#include "framework/ClassRecord.h"
#include "platform/BigEndian.h"

namespace fw {

namespace {

class RecordReader {
public:
    explicit RecordReader(std::string_view record)
        : m_record(record)
    {
    }

    bool atEnd() const { return m_at >= m_record.size(); }

    std::string readName()
    {
        const size_t space = m_record.find(' ', m_at);
        if (space == std::string_view::npos)
            fail("the record ends inside a name", std::string(m_record.substr(m_at)));
        std::string name(m_record.substr(m_at, space - m_at));
        if (name.empty())
            fail("an entry has an empty name", name);
        m_at = space + 1;
        return name;
    }

    PropertyValue readValue(const std::string& typeCode, const std::string& name)
    {
        if (typeCode == "i4")
            return static_cast<int32_t>(readBigEndian32(name));
        if (typeCode == "b")
            return take(1, name)[0] != 0;
        if (typeCode == "c") {
            const std::string_view rgb = take(3, name);
            return RGB(static_cast<unsigned char>(rgb[0]), static_cast<unsigned char>(rgb[1]),
                static_cast<unsigned char>(rgb[2]));
        }
        if (typeCode == "s") {
            const uint32_t length = readBigEndian32(name);
            return String(std::string(take(length, name)), Encoding::UTF8);
        }
        fail("a settings record cannot set a property of type " + typeCode, name);
    }

    [[noreturn]] void fail(const std::string& what, const std::string& name) const
    {
        throw PropertyRecordException(
            String(what + " (property \"" + name + "\", at byte " + std::to_string(m_at) + ")"));
    }

private:
    uint32_t readBigEndian32(const std::string& name) { return platform::readBigEndian32(take(4, name)); }

    std::string_view take(size_t count, const std::string& name)
    {
        if (count > m_record.size() - m_at)
            fail("the record ends inside the value", name);
        std::string_view bytes = m_record.substr(m_at, count);
        m_at += count;
        return bytes;
    }

    std::string_view m_record;
    size_t m_at = 0;
};

} // namespace

void _SetProperties(const Ref<Object>& object, std::string_view record)
{
    const ClassRecord& classRecord = object->classRecord();
    RecordReader reader(record);
    while (!reader.atEnd()) {
        const std::string name = reader.readName();
        const PropertyRecord* property = classRecord.findProperty(name);
        if (!property)
            reader.fail("the class " + classRecord.fullName + " has no such property", name);
        if (!property->set)
            reader.fail("a settings record cannot set a property of type " + property->typeCode, name);
        const PropertyValue value = reader.readValue(property->typeCode, name);
        property->set(*object, value);
    }
}

} // namespace fw
