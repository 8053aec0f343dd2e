#pragma once

#include <compare>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

// The text encoding a String carries. Literals are UTF-8; bytes read from a file carry none.
enum class Encoding : uint8_t { None, UTF8 };

// A text value: bytes plus an encoding. The bytes are shared between copies and never change, so
// copying a String, even a script of many megabytes, copies no text. Character counts (Len, Mid) read UTF-8
// text by code point; a byte that does not start a valid UTF-8 sequence counts as one character of its own,
// so that no byte sequence makes these operations fail. Text without an encoding counts one character a byte.
class String {
public:
    String() = default;
    String(const char* utf8)
        : String(std::string(utf8 ? utf8 : ""), Encoding::UTF8)
    {
    }
    String(std::string_view utf8)
        : String(std::string(utf8), Encoding::UTF8)
    {
    }
    String(std::string bytes, Encoding encoding)
        : m_bytes(bytes.empty() ? nullptr : std::make_shared<const std::string>(std::move(bytes)))
        , m_encoding(encoding)
    {
    }
    // Bytes that another owner keeps (a folder's listing), shared instead of copied.
    String(std::shared_ptr<const std::string> bytes, Encoding encoding)
        : m_bytes(bytes && !bytes->empty() ? std::move(bytes) : nullptr)
        , m_encoding(encoding)
    {
    }
    static String fromBytes(std::string bytes) { return String(std::move(bytes), Encoding::None); }

    const std::string& bytes() const noexcept { return m_bytes ? *m_bytes : empty(); }
    Encoding encoding() const noexcept { return m_encoding; }
    size_t byteLength() const noexcept { return bytes().size(); }
    bool isEmpty() const noexcept { return bytes().empty(); }
    const char* c_str() const noexcept { return bytes().c_str(); }

    // `=` ignores letter case.
    friend bool operator==(const String& a, const String& b);
    friend String operator+(const String& a, const String& b);
    String& operator+=(const String& other);

private:
    static const std::string& empty() noexcept;

    std::shared_ptr<const std::string> m_bytes; // nil for the empty text
    Encoding m_encoding = Encoding::UTF8;
};

// Byte for byte (mode 0): -1, 0 or 1, like the strings' bytes compared as unsigned.
int32_t StrComp(const String& a, const String& b, int32_t mode);
// Characters, not bytes.
int32_t Len(const String& s);
// `length` characters from the 1-based `start`; a start below 1 counts as 1, a negative length as
// "to the end".
String Mid(const String& s, int32_t start, int32_t length = -1);
// The source with the first occurrence of `find`, found regardless of letter case, replaced.
String Replace(const String& source, const String& find, const String& replacement);

// Case-insensitive comparison for names (property and event names, control lookups).
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace fw
