#include "platform/EventDirectory.h"
#include "tests/support/StandinProcess.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include <gtest/gtest.h>

#include <cerrno>
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
        const char* reason;
    } cases[] = {
        { "group-writable",
            [](const std::string& path, const std::string&) {
                mkdir(path.c_str(), 0770);
                chmod(path.c_str(), 0770);
            },
            "its group can write to it (mode 0770)" },
        { "others-writable",
            [](const std::string& path, const std::string&) {
                mkdir(path.c_str(), 0702);
                chmod(path.c_str(), 0702);
            },
            "others can write to it (mode 0702)" },
        { "regular file", [](const std::string& path, const std::string&) { writeFile(path, "x"); },
            "it is not a directory" },
        { "symlink to a good directory",
            [](const std::string& path, const std::string& runtime) {
                mkdir((runtime + "/real").c_str(), 0700);
                symlink((runtime + "/real").c_str(), path.c_str());
            },
            "it is a symbolic link" },
        { "dangling symlink",
            [](const std::string& path, const std::string& runtime) {
                symlink((runtime + "/nowhere").c_str(), path.c_str());
            },
            "it is a symbolic link" },
    };
    for (const Case& c : cases) {
        TemporaryRuntimeDirectory runtime;
        c.prepare(runtime.eventDirectory(), runtime.path());
        mode_t before = modeOf(runtime.eventDirectory());
        std::string refusal;
        testing::internal::CaptureStderr();
        EXPECT_EQ(eventDirectory(false, &refusal), std::nullopt) << c.name;
        EXPECT_EQ(refusal, c.reason) << c.name;
        EXPECT_EQ(eventDirectory(true), std::nullopt) << c.name;
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(told,
            std::string(program_invocation_short_name) + ": refusing the event directory "
                + runtime.eventDirectory() + ": " + c.reason + "\n")
            << c.name << ": one line, however often it is met";
        EXPECT_EQ(modeOf(runtime.eventDirectory()), before) << c.name << ": left as it was";
    }
}

TEST(EventDirectory, EachNewRefusalIsToldAgain)
{
    TemporaryRuntimeDirectory runtime;
    const std::string directory = runtime.eventDirectory();
    ASSERT_EQ(mkdir(directory.c_str(), 0700), 0);
    testing::internal::CaptureStderr();
    chmod(directory.c_str(), 0777);
    eventDirectory(false);
    eventDirectory(false);
    chmod(directory.c_str(), 0700); // mended: found safe once
    EXPECT_TRUE(eventDirectory(false));
    chmod(directory.c_str(), 0777); // refused again
    eventDirectory(false);
    chmod(directory.c_str(), 0707); // another reason
    eventDirectory(false);
    const std::string told = testing::internal::GetCapturedStderr();
    const std::string prefix
        = std::string(program_invocation_short_name) + ": refusing the event directory " + directory + ": ";
    EXPECT_EQ(told,
        prefix + "its group and others can write to it (mode 0777)\n" + prefix
            + "its group and others can write to it (mode 0777)\n" + prefix
            + "others can write to it (mode 0707)\n");
}

TEST(EventDirectory, TheStandinNamesARefusedDirectory)
{
    TemporaryRuntimeDirectory runtime;
    ASSERT_EQ(mkdir(runtime.eventDirectory().c_str(), 0700), 0);
    ASSERT_EQ(chmod(runtime.eventDirectory().c_str(), 0777), 0);
    const std::string line = "ide-standin: refusing the event directory " + runtime.eventDirectory()
        + ": its group and others can write to it (mode 0777)\n";
    for (const std::vector<std::string>& arguments : { std::vector<std::string> { "front" },
             std::vector<std::string> { "back" }, std::vector<std::string> { "serve" } }) {
        StandinProcess standin(arguments);
        EXPECT_EQ(standin.wait(), 1) << arguments[0];
        EXPECT_EQ(standin.errors(), line) << arguments[0] << ": that line and nothing more";
    }
    EXPECT_EQ(modeOf(runtime.eventDirectory()), S_IFDIR | 0777u) << "left as it was";
}

TEST(EventDirectory, ForeignOwnerIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "handing a directory to another user needs root";
    TemporaryRuntimeDirectory runtime;
    ASSERT_EQ(mkdir(runtime.eventDirectory().c_str(), 0700), 0);
    ASSERT_EQ(chown(runtime.eventDirectory().c_str(), 65534, 65534), 0);
    std::string refusal;
    EXPECT_EQ(eventDirectory(true, &refusal), std::nullopt);
    EXPECT_EQ(refusal, "it belongs to user 65534, not to us (" + std::to_string(geteuid()) + ")");
}

} // namespace
