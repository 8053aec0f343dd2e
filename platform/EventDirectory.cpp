#include "platform/EventDirectory.h"

#include "platform/FaultReport.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::platform {

std::string eventDirectoryPath()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return std::string(runtime) + "/apple-events";
    return "/tmp/apple-events-" + std::to_string(geteuid());
}

static std::optional<std::string> refusalOf(const struct stat& status)
{
    if (S_ISLNK(status.st_mode))
        return "it is a symbolic link";
    if (!S_ISDIR(status.st_mode))
        return "it is not a directory";
    if (status.st_uid != geteuid())
        return "it belongs to user " + std::to_string(status.st_uid) + ", not to us ("
            + std::to_string(geteuid()) + ")";
    if (status.st_mode & (S_IWGRP | S_IWOTH)) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(status.st_mode & 07777));
        const char* who = (status.st_mode & S_IWGRP) && (status.st_mode & S_IWOTH) ? "its group and others"
            : (status.st_mode & S_IWGRP)                                           ? "its group"
                                                                                   : "others";
        return std::string(who) + " can write to it (mode " + mode + ")";
    }
    return std::nullopt;
}

// Tells each refusal once: a palette that meets it at every front switch or every send would
// otherwise fill the terminal with the same line.
static void report(const std::string& path, const std::optional<std::string>& refusal)
{
    static FaultReport refusals;
    if (refusal)
        refusals.tell("refusing the event directory " + path, *refusal);
    else
        refusals.gone();
}

std::optional<std::string> eventDirectory(bool create, std::string* refusal)
{
    std::string path = eventDirectoryPath();
    const auto refuse = [&](std::string reason) -> std::optional<std::string> {
        report(path, reason);
        if (refusal)
            *refusal = std::move(reason);
        return std::nullopt;
    };
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) {
        if (errno != ENOENT)
            return refuse(std::string("it cannot be looked at: ") + std::strerror(errno));
        // A missing folder is no refusal: nobody has needed it yet, or its parent is still to come.
        if (!create) {
            report(path, std::nullopt);
            return std::nullopt;
        }
        if (mkdir(path.c_str(), 0700) == 0) {
            // The umask may have taken bits away; the owner needs all three.
            chmod(path.c_str(), 0700);
        } else if (errno == ENOENT) {
            report(path, std::nullopt);
            return std::nullopt;
        } else if (errno != EEXIST) {
            return refuse(std::string("it cannot be made: ") + std::strerror(errno));
        }
        // Whoever made it, it has to pass the same checks.
        if (lstat(path.c_str(), &status) != 0)
            return std::nullopt;
    }
    if (std::optional<std::string> reason = refusalOf(status))
        return refuse(std::move(*reason));
    report(path, std::nullopt);
    return path;
}

} // namespace fw::platform
