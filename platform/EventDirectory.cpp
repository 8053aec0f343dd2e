#include "platform/EventDirectory.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::platform {

std::string eventDirectoryPath()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime) + "/apple-events";
    return "/tmp/apple-events-" + std::to_string(geteuid());
}

static bool isSafeDirectory(const struct stat& status)
{
    return S_ISDIR(status.st_mode) && status.st_uid == geteuid() && !(status.st_mode & (S_IWGRP | S_IWOTH));
}

std::optional<std::string> eventDirectory(bool create)
{
    std::string path = eventDirectoryPath();
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) {
        if (errno != ENOENT || !create) return std::nullopt;
        if (mkdir(path.c_str(), 0700) == 0) {
            // The umask may have taken bits away; the owner needs all three.
            chmod(path.c_str(), 0700);
        } else if (errno != EEXIST) {
            return std::nullopt;
        }
        // Whoever made it, it has to pass the same checks.
        if (lstat(path.c_str(), &status) != 0) return std::nullopt;
    }
    if (!isSafeDirectory(status)) return std::nullopt;
    return path;
}

} // namespace fw::platform
