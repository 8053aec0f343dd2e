#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

std::string programPath()
{
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    return (self.parent_path().parent_path() / "ide-script").string();
}

// Without a display the program says so in one line on standard error and ends with a status of its
// own, instead of aborting.
TEST(NoDisplay, TheProgramSaysSoInOneLineAndEndsWithAStatus)
{
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '" + programPath()
        + "' 2>&1 >/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 512> buffer;
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status)) << "the program did not exit by itself: " << output;
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_EQ(output.rfind("ide-script: cannot open a window", 0), 0u) << output;
}

} // namespace
