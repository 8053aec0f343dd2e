#include "platform/EventDirectory.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

using namespace fw::platform;

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat status;
    return lstat(path.c_str(), &status) == 0 ? status.st_mode : 0;
}

TEST(EventDirectory, PathFollowsTheRuntimeDirectoryOrFallsBackToTmp)
{
    TemporaryRuntimeDirectory runtime;
    EXPECT_EQ(eventDirectoryPath(), runtime.path() + "/apple-events");
    const std::string fallback = "/tmp/apple-events-" + std::to_string(geteuid());
    setenv("XDG_RUNTIME_DIR", "", 1);
    EXPECT_EQ(eventDirectoryPath(), fallback);
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(eventDirectoryPath(), fallback);
}

TEST(EventDirectory, MissingOneIsMadeWithMode0700OnlyWhenAskedTo)
{
    TemporaryRuntimeDirectory runtime;
    EXPECT_EQ(eventDirectory(false), std::nullopt);
    EXPECT_EQ(modeOf(runtime.eventDirectory()), 0u);

    // A umask that would take the owner's rights must not leave a directory we cannot use.
    mode_t previous = umask(0277);
    std::optional<std::string> made = eventDirectory(true);
    umask(previous);
    ASSERT_EQ(made, runtime.eventDirectory());
    EXPECT_EQ(modeOf(*made), S_IFDIR | 0700);
    EXPECT_EQ(eventDirectory(false), made);
}

TEST(EventDirectory, OnlyTheLastComponentIsMade)
{
    TemporaryRuntimeDirectory runtime;
    setenv("XDG_RUNTIME_DIR", (runtime.path() + "/absent").c_str(), 1);
    EXPECT_EQ(eventDirectory(true), std::nullopt);
    EXPECT_EQ(modeOf(runtime.path() + "/absent"), 0u);
}

TEST(EventDirectory, UnsafeDirectoriesAreRefused)
{
    struct Case {
        const char* name;
        void (*prepare)(const std::string& path, const std::string& runtime);
    } cases[] = {
        { "group-writable",
            [](const std::string& path, const std::string&) {
                mkdir(path.c_str(), 0770);
                chmod(path.c_str(), 0770);
            } },
        { "others-writable",
            [](const std::string& path, const std::string&) {
                mkdir(path.c_str(), 0702);
                chmod(path.c_str(), 0702);
            } },
        { "regular file", [](const std::string& path, const std::string&) { writeFile(path, "x"); } },
        { "symlink to a good directory",
            [](const std::string& path, const std::string& runtime) {
                mkdir((runtime + "/real").c_str(), 0700);
                symlink((runtime + "/real").c_str(), path.c_str());
            } },
        { "dangling symlink",
            [](const std::string& path, const std::string& runtime) {
                symlink((runtime + "/nowhere").c_str(), path.c_str());
            } },
    };
    for (const Case& c : cases) {
        TemporaryRuntimeDirectory runtime;
        c.prepare(runtime.eventDirectory(), runtime.path());
        mode_t before = modeOf(runtime.eventDirectory());
        EXPECT_EQ(eventDirectory(false), std::nullopt) << c.name;
        EXPECT_EQ(eventDirectory(true), std::nullopt) << c.name;
        EXPECT_EQ(modeOf(runtime.eventDirectory()), before) << c.name << ": left as it was";
    }
}

TEST(EventDirectory, ForeignOwnerIsRefused)
{
    if (geteuid() != 0) GTEST_SKIP() << "handing a directory to another user needs root";
    TemporaryRuntimeDirectory runtime;
    ASSERT_EQ(mkdir(runtime.eventDirectory().c_str(), 0700), 0);
    ASSERT_EQ(chown(runtime.eventDirectory().c_str(), 65534, 65534), 0);
    EXPECT_EQ(eventDirectory(true), std::nullopt);
}

} // namespace
