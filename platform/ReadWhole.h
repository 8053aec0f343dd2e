#pragma once

#include <cstddef>

namespace fw::platform {

// Reads into all `count` bytes at `into` from a blocking descriptor until they are filled or the file
// ends, going on after signals; `got` is how many came. False on an error, `got` then being what came
// before it.
bool readWhole(int fd, char* into, size_t count, size_t& got);

} // namespace fw::platform
