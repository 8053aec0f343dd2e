#include "framework/String.h"

#include "platform/Utf8.h"

#include <QChar>

#include <algorithm>
#include <vector>

namespace fw {

namespace {

// A byte that starts no valid UTF-8 sequence decodes to a value above the Unicode range, unique to the
// byte, so that it still counts as one character and never equals a real letter.
constexpr char32_t invalidByteBase = 0x110000;

struct Character {
    char32_t codePoint;
    size_t offset; // of its first byte
};

// Decodes one character at `at`, which must be inside the text. Returns its length in bytes.
size_t decodeOne(const std::string& bytes, size_t at, Encoding encoding, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (encoding == Encoding::None) {
        codePoint = lead;
        return 1;
    }
    if (const size_t length = platform::decodeUtf8(bytes, at, codePoint))
        return length;
    codePoint = invalidByteBase + lead;
    return 1;
}

char32_t fold(char32_t codePoint)
{
    if (codePoint < 0x80)
        return (codePoint >= 'A' && codePoint <= 'Z') ? codePoint + ('a' - 'A') : codePoint;
    if (codePoint >= invalidByteBase)
        return codePoint;
    return QChar::toCaseFolded(codePoint);
}

std::vector<Character> characters(const String& s)
{
    std::vector<Character> result;
    const std::string& bytes = s.bytes();
    result.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        char32_t codePoint;
        const size_t length = decodeOne(bytes, at, s.encoding(), codePoint);
        result.push_back({ codePoint, at });
        at += length;
    }
    return result;
}

// Index of the first character of `source` at which `find` starts, regardless of case; npos if none.
size_t findIgnoringCase(const std::vector<Character>& source, const std::vector<Character>& find)
{
    if (find.empty() || find.size() > source.size())
        return std::string::npos;
    for (size_t start = 0; start + find.size() <= source.size(); ++start) {
        bool match = true;
        for (size_t i = 0; i < find.size() && match; ++i)
            match = fold(source[start + i].codePoint) == fold(find[i].codePoint);
        if (match)
            return start;
    }
    return std::string::npos;
}

size_t byteOffsetOf(const String& s, const std::vector<Character>& chars, size_t index)
{
    return index < chars.size() ? chars[index].offset : s.byteLength();
}

Encoding joinedEncoding(const String& a, const String& b)
{
    if (a.isEmpty())
        return b.encoding();
    if (b.isEmpty() || a.encoding() == b.encoding())
        return a.encoding();
    return Encoding::None;
}

} // namespace

bool operator==(const String& a, const String& b)
{
    if (a.bytes() == b.bytes())
        return true;
    const auto left = characters(a);
    const auto right = characters(b);
    if (left.size() != right.size())
        return false;
    for (size_t i = 0; i < left.size(); ++i) {
        if (fold(left[i].codePoint) != fold(right[i].codePoint))
            return false;
    }
    return true;
}

String operator+(const String& a, const String& b)
{
    return String(a.bytes() + b.bytes(), joinedEncoding(a, b));
}

String& String::operator+=(const String& other)
{
    *this = *this + other;
    return *this;
}

const std::string& String::empty() noexcept
{
    static const std::string text;
    return text;
}

int32_t StrComp(const String& a, const String& b, int32_t)
{
    // Both modes the program uses compare bytes; the mode is kept for the call's shape.
    const int order = a.bytes().compare(b.bytes()); // std::string compares as unsigned char
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int32_t Len(const String& s)
{
    if (s.encoding() == Encoding::None)
        return static_cast<int32_t>(std::min<size_t>(s.byteLength(), INT32_MAX));
    const size_t count = characters(s).size();
    return static_cast<int32_t>(std::min<size_t>(count, INT32_MAX));
}

String Mid(const String& s, int32_t start, int32_t length)
{
    const auto chars = characters(s);
    const size_t first = start < 1 ? 0 : static_cast<size_t>(start) - 1;
    if (first >= chars.size() || length == 0)
        return String(std::string(), s.encoding());
    const size_t last = (length < 0 || static_cast<size_t>(length) > chars.size() - first)
        ? chars.size()
        : first + static_cast<size_t>(length);
    const size_t from = chars[first].offset;
    const size_t to = byteOffsetOf(s, chars, last);
    return String(s.bytes().substr(from, to - from), s.encoding());
}

String Replace(const String& source, const String& find, const String& replacement)
{
    const auto chars = characters(source);
    const auto findChars = characters(find);
    const size_t at = findIgnoringCase(chars, findChars);
    if (at == std::string::npos)
        return source;
    const size_t from = chars[at].offset;
    const size_t to = byteOffsetOf(source, chars, at + findChars.size());
    std::string bytes = source.bytes().substr(0, from) + replacement.bytes() + source.bytes().substr(to);
    return String(std::move(bytes), source.encoding());
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return fold(static_cast<unsigned char>(x)) == fold(static_cast<unsigned char>(y));
    });
}

} // namespace fw
