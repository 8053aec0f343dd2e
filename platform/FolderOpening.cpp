#include "platform/FolderOpening.h"

#include "platform/Utf8.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdint>

extern char** environ;

namespace fw::platform {

namespace {

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

// Starts the opener and waits only for the shell that starts it in the background: the opener is
// then nobody's child of ours, so no zombie is left, and a missing opener still reads as a failure.
bool spawnOpener(const std::string& argument)
{
    static const char script[] = "command -v xdg-open >/dev/null 2>&1 || exit 127\n"
                                 "xdg-open \"$1\" </dev/null >/dev/null 2>&1 &";
    const char* const argv[] = { "sh", "-c", script, "sh", argument.c_str(), nullptr };
    pid_t shell = 0;
    if (posix_spawn(&shell, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0)
        return false;
    int status = 0;
    while (waitpid(shell, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

std::string openerArgument(const std::string& path)
{
    if (isValidUtf8(path))
        return path;
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path) {
        if (isUnreserved(c) || c == '/') {
            url += c;
        } else {
            const auto byte = static_cast<uint8_t>(c);
            url += '%';
            url += hex[byte >> 4];
            url += hex[byte & 0x0F];
        }
    }
    return url;
}

bool openWithDesktop(const std::string& path)
{
    if (auto handler = FolderOpeningSeam::replacement())
        return (*handler)(path);
    // An argument list: the path reaches the opener as one argument, whatever it holds.
    return spawnOpener(openerArgument(path));
}

} // namespace fw::platform
