#pragma once

#include <cstddef>
#include <string_view>

namespace fw::platform {

// The length in bytes of the well-formed UTF-8 character that starts at `at`, which must be inside
// `bytes`, with its code point in `codePoint`; 0 when none starts there: a stray continuation byte, an
// overlong form, a surrogate, a value above U+10FFFF or a sequence cut short.
size_t decodeUtf8(std::string_view bytes, size_t at, char32_t& codePoint);

// True when all of `bytes` is well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

} // namespace fw::platform
