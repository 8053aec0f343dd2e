#pragma once

#include "platform/Seam.h"

#include <functional>
#include <string>

namespace fw::platform {

// Asks the desktop to open `path` with its usual application (for a folder, the file manager).
// True when the opener was started; what it then does is the desktop's.
bool openWithDesktop(const std::string& path);

// The argument that the opener gets for `path`: the path itself when it is valid UTF-8, otherwise a
// file URL whose escapes keep every byte, since the desktop's tools read arguments as UTF-8.
std::string openerArgument(const std::string& path);

// Where open requests go instead of the desktop. Tests put a handler in place that records them.
struct FolderOpeningSeam : Seam<FolderOpeningSeam, std::function<bool(const std::string& path)>> { };

} // namespace fw::platform
