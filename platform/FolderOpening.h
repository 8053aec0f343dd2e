#pragma once

#include <functional>
#include <string>

namespace fw::platform {

// Asks the desktop to open `path` with its usual application (for a folder, the file manager).
// True when the opener was started; what it then does is the desktop's.
bool openWithDesktop(const std::string& path);

// The argument that the opener gets for `path`: the path itself when it is valid UTF-8, otherwise a
// file URL whose escapes keep every byte, since the process layer passes arguments as UTF-8.
std::string openerArgument(const std::string& path);

// Where open requests go instead of the desktop. Tests install a handler that records them.
struct FolderOpeningSeam {
    using Handler = std::function<bool(const std::string& path)>;
    // Returns the handler it replaces, so that a scope can put it back.
    static Handler install(Handler handler);
};

} // namespace fw::platform
