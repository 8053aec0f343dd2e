#pragma once

#include <string>
#include <string_view>

namespace fw::platform {

// Puts a file of exactly `bytes` at `path`: writes them to a hidden temporary file beside it and
// renames that over `path`, so that a reader sees the old file or the whole new one, never a part.
// False, with nothing left behind and errno saying why, when the file cannot be made, written or
// renamed.
bool atomicReplace(const std::string& path, std::string_view bytes);

} // namespace fw::platform
