#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct Start {
    const char* what;
    const char* environment; // for env(1), after DISPLAY and WAYLAND_DISPLAY are removed
    bool noDisplay; // reported as a window that cannot be opened, else as Qt's own error
    const char* named; // a text the report must hold
};

// A fatal error at start ends the program with a status of its own instead of an abort. A display that
// cannot be reached is said so in one line; any other error is reported as itself.
TEST(FatalStart, IsReportedAsItsCauseWithAStatus)
{
    const Start starts[] = {
        { "no display", "QT_QPA_PLATFORM=xcb", true, "ide-script: cannot open a window" },
        { "a display nobody serves", "QT_QPA_PLATFORM=xcb DISPLAY=:32107", true, ":32107" },
        { "a platform that does not exist", "QT_QPA_PLATFORM=no-such-platform", false, "no-such-platform" },
    };
    for (const Start& start : starts) {
        SCOPED_TRACE(start.what);
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(start.environment)
            + " '" IDE_SCRIPT "' 2>&1 >/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        std::array<char, 512> buffer;
        while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
            output.append(buffer.data(), n);
        const int status = pclose(pipe);
        ASSERT_TRUE(WIFEXITED(status)) << "the program did not exit by itself: " << output;
        EXPECT_EQ(WEXITSTATUS(status), 2);
        EXPECT_NE(output.find(start.named), std::string::npos) << output;
        EXPECT_EQ(output.rfind("ide-script: ", 0), 0u) << output;
        if (start.noDisplay) {
            EXPECT_EQ(output.rfind("ide-script: cannot open a window: ", 0), 0u) << output;
            EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
        } else {
            EXPECT_EQ(output.find("cannot open a window"), std::string::npos) << output;
        }
    }
}

} // namespace
