#include "tests/support/After.h"
#include "tests/support/AsOrdinaryUser.h"
#include "tests/support/Captions.h"
#include "tests/support/Mouse.h"
#include "tests/support/OpenerRecorder.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/ScriptFolder.h"
#include "tests/support/ScriptReceiver.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include "app/Class2.h"
#include "framework/BevelButton.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"
#include "platform/EventDirectory.h"
#include "platform/FourCharCode.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own heap, which it counts in the bytes the program holds.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <fcntl.h>
#include <malloc.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <set>

using namespace std::chrono_literals;
using namespace std::string_literals;
using fw::platform::fourCC;

namespace {

// The palette as start-up makes it, over a script folder of the test's own and an event directory
// that no real IDE shares.
class Scripts : public PaletteFixture {
protected:
    void TearDown() override
    {
        list = nullptr;
        window = nullptr;
        PaletteFixture::TearDown();
    }

    // Makes the window and opens it: the list's Open lists the folder as it is now.
    void open()
    {
        window = startWithoutLoop();
        window->openNow();
        list = window->CustomCellListbox1();
    }

    fw::Ref<ButtonsCell> cell(int32_t row) const
    {
        return fw::Cast<ButtonsCell>(list->CellTag(row, 0).objectValue());
    }

    // A click on the row's cell, as the list gets it from a press: the cell runs its script, then
    // the press flash runs to its end.
    bool click(int32_t row) { return list->Event_CellClick(row, 0, 10, 5); }

    ScriptFolder folder;
    fw::Ref<Window1> window;
    fw::Ref<CustomCellListbox> list;
};

TEST_F(Scripts, TheListsOpenListsEveryScriptItemInTheFoldersOrder)
{
    const struct {
        std::string name;
        bool isFolder;
        std::optional<std::string> caption; // none: not a script item
    } items[] = {
        // In the folder's order, which is that of the names' bytes.
        { ".rbs", false, "" },
        { "Tools.rbs", true, "Tools" },
        { "X.RBS", false, std::nullopt }, // the pattern tells case apart, as the file system does
        { "a.rbs.b.rbs", false, "a.b.rbs" }, // only the first ".rbs" goes
        { "a.rbs.txt", false, std::nullopt },
        { "bad\xff\xfe.rbs", false, "bad\xff\xfe" },
        { "notes_rbs", false, "notes_rbs" }, // the pattern has no dot
        { "readme", false, std::nullopt },
        { "with  two spaces .rbs", false, "with  two spaces " },
        { "挨拶.rbs", false, "挨拶" },
    };
    std::vector<std::string> expected;
    for (auto it = std::rbegin(items); it != std::rend(items); ++it) {
        if (it->isFolder)
            folder.makeFolder(it->name);
        else
            folder.write(it->name, "x");
    }
    for (const auto& item : items) {
        if (item.caption)
            expected.push_back(*item.caption);
    }

    open();
    EXPECT_TRUE(rowsHoldCaptions(list, expected));
    for (int32_t row = 0; row < list->ListCount(); ++row) {
        ASSERT_TRUE(cell(row)) << row;
        EXPECT_TRUE(cell(row)->myself == list) << row;
        EXPECT_EQ(cell(row)->mycolor, ButtonsCell::normalColor) << row;
        EXPECT_TRUE(list->Cell(row, 0).isEmpty()) << row;
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Scripts, AnEmptyFolderGivesNoRowsAndNoMessage)
{
    open();
    EXPECT_EQ(list->ListCount(), 0);
    window->ReadMenu(list);
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Scripts, ReadMenuAgainAddsEveryItemOnceMoreEachWithACellOfItsOwn)
{
    folder.write("one.rbs");
    folder.write("two.rbs");
    open();
    window->ReadMenu(list);
    EXPECT_TRUE(rowsHoldCaptions(list, { "one", "two", "one", "two" }));
    std::set<ButtonsCell*> cells;
    for (int32_t row = 0; row < list->ListCount(); ++row)
        cells.insert(cell(row).get());
    EXPECT_EQ(cells.size(), 4u);
}

// The bytes the heap holds for the program now.
size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
#endif
}

// A row holds its caption's own bytes and nothing more of the folder's listing: a caption that shared
// them would keep the names of the whole folder alive as long as its row.
TEST_F(Scripts, ARowsCaptionKeepsOnlyItsOwnBytes)
{
    // A listing of some 4 MB, and one script item whose caption is its whole name.
    const std::string longName(200, 'n');
    for (int i = 0; i < 20000; ++i)
        folder.write(longName + std::to_string(i) + ".txt");
    folder.write("notes_rbs");
    open();
    list->DeleteAllRows();

    const size_t before = heapInUse();
    window->ReadMenu(list);
    const size_t after = heapInUse();
    ASSERT_TRUE(rowsHoldCaptions(list, { "notes_rbs" }));
    EXPECT_LT(static_cast<ptrdiff_t>(after - before), 256 * 1024) << "bytes kept with the row";
}

TEST_F(Scripts, AClickSendsTheScriptFilesBytesExactly)
{
    std::string large(1 << 20, '\0');
    for (size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>((i * 7919) >> 5);
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        // In the folder's order.
        { "bad\xff.rbs", "also sent" },
        { "cr lf.rbs", "one\rtwo\nthree\r\n" },
        { "empty.rbs", "" },
        { "invalid.rbs", "\xff\xfe\xc3(\xe2\x28\xa1" },
        { "large.rbs", large },
        { "nul.rbs", "a\0b\0"s },
        { "挨拶.rbs", "MsgBox \"こんにちは\"" },
    };
    std::vector<std::string> expected;
    for (const auto& file : files) {
        folder.write(file.name, file.bytes);
        expected.push_back(file.bytes);
    }
    ScriptReceiver ide;
    ASSERT_TRUE(ide.listening());
    open();
    ASSERT_EQ(list->ListCount(), static_cast<int32_t>(std::size(files)));

    for (int32_t row = 0; row < list->ListCount(); ++row)
        EXPECT_TRUE(click(row)) << row;

    const std::vector<std::string> sent = ide.scripts();
    ASSERT_EQ(sent.size(), expected.size());
    for (size_t i = 0; i < sent.size(); ++i)
        EXPECT_TRUE(sent[i] == expected[i]) << files[i].name << ": " << sent[i].size() << " bytes";
    // The run-script event: to the IDE, the text as the direct object and nothing else.
    const ReceivedEvent event = ide.events().front();
    EXPECT_EQ(event.eventClass, fourCC("RBae"));
    EXPECT_EQ(event.eventID, fourCC("scpt"));
    EXPECT_EQ(event.target, fourCC("RBv2"));
    ASSERT_EQ(event.parameters.size(), 1u);
    EXPECT_EQ(event.parameters[0].keyword, fourCC("----"));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Scripts, TheFaceShowsPressedDuringTheFlashAndNormalAfter)
{
    folder.write("go.rbs", "go");
    ScriptReceiver ide;
    open();
    std::optional<uint32_t> duringFlash;
    auto watch = after(0, [&] { duringFlash = cell(0)->mycolor.value; });
    EXPECT_TRUE(click(0));
    ASSERT_TRUE(duringFlash);
    EXPECT_EQ(*duringFlash, ButtonsCell::pressedColor.value);
    EXPECT_EQ(cell(0)->mycolor, ButtonsCell::normalColor);
    EXPECT_FALSE(window->Class21()->Go);
    EXPECT_EQ(ide.scripts(), std::vector<std::string> { "go" });
}

TEST_F(Scripts, ARowWhoseFileCannotBeReadSendsNothingAndShowsNothing)
{
    folder.write(".rbs", "dot");
    folder.makeFolder("Tools.rbs");
    folder.write("a.rbs.b.rbs", "second"); // looked for as a.b.rbs.rbs
    folder.write("gone.rbs", "gone");
    folder.write("locked.rbs", "locked");
    folder.write("notes_rbs", "notes"); // looked for as notes_rbs.rbs, which is there
    folder.write("notes_rbs.rbs", "found");
    folder.write("plain_rbs", "plain"); // looked for as plain_rbs.rbs, which is not
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(folder.pathOf("locked.rbs"), std::filesystem::perms::none);
    ScriptReceiver ide;
    open();
    std::filesystem::remove(folder.pathOf("gone.rbs")); // between listing and click

    const struct {
        const char* caption;
        const char* sent; // nothing when null
    } rows[] = {
        { "", "dot" },
        { "Tools", nullptr },
        { "a.b.rbs", nullptr },
        { "gone", nullptr },
        { "locked", nullptr },
        { "notes_rbs", "found" },
        { "notes_rbs", "found" },
        { "plain_rbs", nullptr },
    };
    std::vector<std::string> shown;
    for (const auto& row : rows)
        shown.push_back(row.caption);
    ASSERT_TRUE(rowsHoldCaptions(list, shown));
    std::vector<std::string> sent;
    for (int32_t row = 0; row < list->ListCount(); ++row) {
        SCOPED_TRACE(rows[row].caption);
        {
            // Only the file is out of reach: the IDE's socket stays the owner's.
            std::optional<AsOrdinaryUser> user;
            if (shown[row] == "locked")
                user.emplace();
            EXPECT_TRUE(click(row));
        }
        if (rows[row].sent)
            sent.push_back(rows[row].sent);
        EXPECT_EQ(ide.scripts(), sent);
    }
    EXPECT_TRUE(messages.texts.empty());
}

// Every row finds the very file it was made from: a name that differs only in the case of its ending
// is another file, with no row of its own.
TEST_F(Scripts, AScriptBesideItsUpperCaseTwinGetsOneRowThatRunsIt)
{
    folder.write("Y.RBS", "upper twin");
    folder.write("Y.rbs", "the script");
    folder.write("Z.RBS", "alone");
    ScriptReceiver ide;
    ASSERT_TRUE(ide.listening());
    open();
    ASSERT_TRUE(rowsHoldCaptions(list, { "Y" }));
    EXPECT_TRUE(click(0));
    EXPECT_EQ(ide.scripts(), std::vector<std::string> { "the script" });
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Scripts, AFailedSendShowsErrorOncePerClick)
{
    folder.write("go.rbs", "go");
    open();
    enum class Ide { Absent, Refuses, Silent };
    const struct {
        const char* name;
        Ide ide;
    } cases[] = {
        { "no IDE", Ide::Absent },
        { "an IDE that answers an error", Ide::Refuses },
        { "an IDE that never answers", Ide::Silent },
    };
    ShortSendTimeout timeout(300ms);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<ScriptReceiver> ide;
        if (c.ide != Ide::Absent)
            ide.emplace(-1708, c.ide == Ide::Refuses);
        messages.texts.clear();
        EXPECT_TRUE(click(0));
        EXPECT_EQ(messages.texts, std::vector<std::string> { "Error" });
        EXPECT_TRUE(click(0));
        EXPECT_EQ(messages.texts, (std::vector<std::string> { "Error", "Error" }));
        EXPECT_EQ(cell(0)->mycolor, ButtonsCell::normalColor);
        if (ide) {
            EXPECT_EQ(ide->scripts(), (std::vector<std::string> { "go", "go" }));
        }
    }
}

TEST_F(Scripts, ARuntimeFolderTooDeepForTheSocketShowsErrorAndSaysWhyOnce)
{
    folder.write("go.rbs", "go");
    TemporaryRuntimeDirectory deep(sizeof(sockaddr_un::sun_path));
    ASSERT_TRUE(fw::platform::eventDirectory(true)); // as the palette's start makes it
    open();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(click(0));
    EXPECT_TRUE(click(0));
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(messages.texts, (std::vector<std::string> { "Error", "Error" }));
    const std::string path = deep.eventDirectory() + "/RBv2.sock";
    EXPECT_EQ(told,
        std::string(program_invocation_short_name)
            + ": cannot reach RBv2: the socket's path is too long for a Unix socket address ("
            + std::to_string(path.size()) + " bytes, at most 107): " + path + "\n");
}

// The read takes a signed 32-bit count: from 2 GiB on, the file could not be read whole, and part of
// it must not go out as the script.
TEST_F(Scripts, AScriptOfTwoGigabytesOrMoreIsNotSentAndShowsError)
{
    const struct {
        const char* name;
        uint64_t size;
    } files[] = {
        { "a.rbs", uint64_t { 1 } << 31 },
        { "b.rbs", (uint64_t { 1 } << 32) + 5 }, // its low 32 bits alone would read 5 bytes
        { "c.rbs", (uint64_t { 3 } << 30) + 123 },
    };
    for (const auto& file : files) {
        const int fd = ::open(folder.pathOf(file.name).c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(file.size)), 0); // sparse: nothing is written
        ::close(fd);
    }
    ScriptReceiver ide;
    ASSERT_TRUE(ide.listening());
    open();
    ASSERT_EQ(list->ListCount(), 3);
    for (int32_t row = 0; row < 3; ++row) {
        SCOPED_TRACE(files[row].name);
        messages.texts.clear();
        EXPECT_TRUE(click(row));
        EXPECT_EQ(messages.texts, std::vector<std::string> { "Error" });
    }
    EXPECT_TRUE(ide.scripts().empty());
}

TEST_F(Scripts, TheFolderButtonOpensTheScriptFolderWhileItExists)
{
    OpenerRecorder opener;
    open();
    clickButton(window->BevelButton3());
    EXPECT_EQ(opener.paths, std::vector<std::string> { folder.path() });

    std::filesystem::remove_all(folder.path());
    clickButton(window->BevelButton3());
    window->OpenDir();
    EXPECT_EQ(opener.paths.size(), 1u);
    EXPECT_TRUE(messages.texts.empty());
}

} // namespace
