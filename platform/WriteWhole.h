#pragma once

#include <string_view>

namespace fw::platform {

// Writes all of `bytes` to a blocking descriptor, going on after signals; false on an error.
bool writeWhole(int fd, std::string_view bytes);

} // namespace fw::platform
