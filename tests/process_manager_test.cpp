#include "platform/EventDirectory.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

using namespace fw::platform;
using namespace std::string_literals;

namespace {

uint32_t u32At(const unsigned char* bytes, size_t offset)
{
    uint32_t value;
    std::memcpy(&value, bytes + offset, 4);
    return value;
}

class ProcessManager : public testing::Test {
protected:
    std::string frontPath() const { return m_runtime.eventDirectory() + "/front"; }

    TemporaryRuntimeDirectory m_runtime;
};

TEST_F(ProcessManager, BringToFrontReplacesTheFrontFile)
{
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    EXPECT_EQ(readFile(frontPath()), "RBv2");
    ASSERT_TRUE(bringToFront(0x00FF2F0Au));
    EXPECT_EQ(readFile(frontPath()), "\0\xff/\n"s);
    EXPECT_EQ(frontCreator(), 0x00FF2F0Au);
    // Made the directory it needed, and left no temporary file behind.
    struct stat status;
    ASSERT_EQ(lstat(m_runtime.eventDirectory().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_runtime.eventDirectory()))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST_F(ProcessManager, BringToFrontFailsInARefusedDirectory)
{
    ASSERT_EQ(mkdir(m_runtime.eventDirectory().c_str(), 0700), 0);
    ASSERT_EQ(chmod(m_runtime.eventDirectory().c_str(), 0720), 0);
    EXPECT_FALSE(bringToFront(fourCC("RBv2")));
    EXPECT_EQ(readFile(frontPath()), "<missing>");
}

TEST_F(ProcessManager, BringToFrontOverAFolderFailsAndLeavesNoTemporaryFile)
{
    ASSERT_TRUE(eventDirectory(true));
    ASSERT_EQ(mkdir(frontPath().c_str(), 0700), 0);
    ASSERT_TRUE(writeFile(frontPath() + "/inside", "kept"));
    EXPECT_FALSE(bringToFront(fourCC("RBv2")));
    EXPECT_EQ(readFile(frontPath() + "/inside"), "kept");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_runtime.eventDirectory()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string> { "front" });
}

TEST_F(ProcessManager, FrontProcessCarriesTheCreatorIntoTheInformationRecord)
{
    ASSERT_TRUE(bringToFront(fourCC("RBv2")));
    // Odd offsets inside larger buffers: nothing may rely on alignment.
    std::array<unsigned char, 9> psnBuffer {};
    std::array<unsigned char, 61> infoBuffer;
    infoBuffer.fill(0xAB);
    unsigned char* psn = psnBuffer.data() + 1;
    unsigned char* info = infoBuffer.data() + 1;
    ASSERT_EQ(GetFrontProcess(psn), noErr);
    ASSERT_EQ(GetProcessInformation(psn, info), noErr);
    EXPECT_EQ(u32At(info, 20), fourCC("RBv2"));
    EXPECT_EQ(fourCCString(u32At(info, 20)), "RBv2");
    EXPECT_EQ(u32At(info, 0), 60u);
    EXPECT_EQ(std::memcmp(info + 8, psn, 8), 0);
    // The pointers to the name and to the application file are the caller's; nothing is written there.
    for (size_t offset : { 4, 5, 6, 7, 56, 57, 58, 59 })
        EXPECT_EQ(info[offset], 0xAB) << offset;
    EXPECT_EQ(infoBuffer[0], 0xAB);

    // The block names the process it was made for, whoever is in front later.
    ASSERT_TRUE(bringToFront(fourCC("Fndr")));
    ASSERT_EQ(GetProcessInformation(psn, info), noErr);
    EXPECT_EQ(u32At(info, 20), fourCC("RBv2"));
    ASSERT_EQ(GetFrontProcess(psn), noErr);
    ASSERT_EQ(GetProcessInformation(psn, info), noErr);
    EXPECT_EQ(u32At(info, 20), fourCC("Fndr"));
}

TEST_F(ProcessManager, NoFrontProcessWithoutAFourByteFrontFile)
{
    struct Case {
        const char* name;
        void (*prepare)(const std::string& front);
    } cases[] = {
        { "missing", [](const std::string&) {} },
        { "empty", [](const std::string& front) { writeFile(front, ""); } },
        { "three bytes", [](const std::string& front) { writeFile(front, "RBv"); } },
        { "five bytes", [](const std::string& front) { writeFile(front, "RBv2\n"); } },
        { "a directory", [](const std::string& front) { mkdir(front.c_str(), 0700); } },
        { "unreadable",
            [](const std::string& front) {
                writeFile(front, "RBv2");
                chmod(front.c_str(), 0);
            } },
        { "a FIFO", [](const std::string& front) { mkfifo(front.c_str(), 0600); } },
        { "a symlink to a good file",
            [](const std::string& front) {
                writeFile(front + "-real", "RBv2");
                symlink((front + "-real").c_str(), front.c_str());
            } },
        { "in a group-writable directory",
            [](const std::string& front) {
                writeFile(front, "RBv2");
                chmod(std::filesystem::path(front).parent_path().c_str(), 0770);
            } },
    };
    for (const Case& c : cases) {
        TemporaryRuntimeDirectory runtime;
        ASSERT_TRUE(eventDirectory(true));
        const std::string front = runtime.eventDirectory() + "/front";
        c.prepare(front);
        // Root reads a file whatever its mode; only test that case where the mode counts.
        if (std::string(c.name) == "unreadable" && geteuid() == 0)
            continue;
        std::array<unsigned char, 8> psn;
        psn.fill(0x5A);
        EXPECT_EQ(GetFrontProcess(psn.data()), procNotFound) << c.name;
        for (unsigned char byte : psn)
            EXPECT_EQ(byte, 0x5A) << c.name << ": the block is left as it was";
    }
}

TEST_F(ProcessManager, ABlockNotFromGetFrontProcessNamesNoProcess)
{
    std::array<unsigned char, 8> psn {};
    std::array<unsigned char, 60> info;
    info.fill(0xAB);
    EXPECT_EQ(GetProcessInformation(psn.data(), info.data()), procNotFound);
    for (unsigned char byte : info)
        EXPECT_EQ(byte, 0xAB);
    EXPECT_EQ(GetFrontProcess(nullptr), paramErr);
    EXPECT_EQ(GetProcessInformation(nullptr, info.data()), paramErr);
    EXPECT_EQ(GetProcessInformation(psn.data(), nullptr), paramErr);
}

} // namespace
