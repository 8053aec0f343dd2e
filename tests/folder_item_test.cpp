#include "framework/BinaryStream.h"
#include "framework/ClassRecord.h"
#include "framework/FolderItem.h"
#include "platform/FolderOpening.h"
#include "tests/support/AsOrdinaryUser.h"
#include "tests/support/OpenerRecorder.h"
#include "tests/support/Patience.h"
#include "tests/support/ScriptFolder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace fw;

namespace {

std::vector<std::string> namesOf(const Ref<FolderItem>& folder)
{
    std::vector<std::string> names;
    const int32_t count = folder->Count();
    for (int32_t i = 1; i <= count; ++i)
        names.push_back(folder->Item(i)->Name().bytes());
    return names;
}

TEST(FolderItem, ProgramFolderIsTheExecutablesNotTheWorkingFolder)
{
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path("/");
    Ref<FolderItem> folder = GetFolderItem("", 0);
    std::filesystem::current_path(before);
    ASSERT_FALSE(folder.isNil());
    EXPECT_EQ(
        folder->NativePath().bytes(), std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
    EXPECT_TRUE(folder->Directory());
}

TEST(FolderItem, GetFolderItemPaths)
{
    ScriptFolder scripts;
    EXPECT_EQ(GetFolderItem("", 0)->NativePath().bytes(), scripts.path());
    EXPECT_EQ(GetFolderItem("a b.rbs", 0)->NativePath().bytes(), scripts.pathOf("a b.rbs"));
    EXPECT_EQ(GetFolderItem("/usr/", 0)->NativePath().bytes(), "/usr");
    EXPECT_EQ(GetFolderItem("/usr/", 0)->Name().bytes(), "usr");
    EXPECT_TRUE(GetFolderItem("", 1).isNil());
}

TEST(FolderItem, ItemsComeSortedByBytesHiddenOnesIncluded)
{
    ScriptFolder scripts;
    for (const char* name :
        { "b.rbs", "A.rbs", "a.rbs", ".hidden.rbs", "with space.rbs", "挨拶.rbs", "\xff\xfe.rbs" })
        scripts.write(name, "x");
    scripts.makeFolder("Tools.rbs");

    Ref<FolderItem> folder = GetFolderItem("", 0);
    const std::vector<std::string> expected { ".hidden.rbs", "A.rbs", "Tools.rbs", "a.rbs", "b.rbs",
        "with space.rbs", "挨拶.rbs", "\xff\xfe.rbs" };
    EXPECT_EQ(namesOf(folder), expected);
    EXPECT_EQ(namesOf(folder), expected); // the same on the next walk
    EXPECT_EQ(namesOf(GetFolderItem("", 0)), expected);

    for (int32_t i = 1; i <= folder->Count(); ++i) {
        Ref<FolderItem> item = folder->Item(i);
        EXPECT_EQ(item->DisplayName().bytes(), item->Name().bytes());
        EXPECT_EQ(item->NativePath().bytes(), scripts.pathOf(item->Name().bytes()));
        EXPECT_TRUE(item->Exists());
        EXPECT_EQ(item->Directory(), item->Name().bytes() == "Tools.rbs");
    }
}

// Names that differ first at or around every eight-byte step, that begin one another, and that hold
// bytes above 0x7f, listed in the order of their bytes taken as unsigned.
TEST(FolderItem, ItemsOfLongSharedPrefixesAndHighBytesComeInByteOrder)
{
    ScriptFolder scripts;
    std::vector<std::string> names;
    for (const std::string& stem : { std::string("abcdefg"), std::string("abcdefgh"),
             std::string("abcdefghi"), std::string("abcdefghijklmno"), std::string("abcdefghijklmnop"),
             std::string("abcdefghijklmnopq") }) {
        names.push_back(stem);
        for (const char* tail : { "\x01", "0", "A", "a", "~", "\x7f", "\x80", "\xc3\xa9", "\xe6\x8c\xa8",
                 "\xff", "\xff\xff", "a\x01", "aa" })
            names.push_back(stem + tail);
    }
    // Many names of one long prefix that differ only late, in an order of their own.
    for (int i = 0; i < 300; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "item-%07d-and-more.%s", (i * 7919) % 1000, i % 3 ? "txt" : "rbs");
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    for (const std::string& name : names)
        scripts.write(name);

    std::vector<std::string> expected = names;
    std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
    });
    EXPECT_EQ(namesOf(GetFolderItem("", 0)), expected);
}

// Names that share their first eight bytes or more come in byte order, whatever order they were made
// in: a name of 8 or 16 bytes before the same name one byte longer, and names of 16 bytes that differ
// only in their last. All ASCII, so that std::sort gives the byte order.
TEST(FolderItem, NamesThatShareTheirFirstEightBytesOrMoreComeInByteOrder)
{
    ScriptFolder scripts;
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "pre%05d", i);
        for (const std::string& stem : { std::string(prefix), std::string(prefix) + "+8 bytes" }) {
            // The longer name of the pair made first for every other pair.
            names.push_back(i % 2 ? stem + "x" : stem);
            names.push_back(i % 2 ? stem : stem + "x");
        }
        names.push_back("fifteen bytes: " + std::string(1, static_cast<char>('0' + i)));
    }
    for (const std::string& name : names)
        scripts.write(name);

    std::vector<std::string> expected = names;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesOf(GetFolderItem("", 0)), expected);
}

TEST(FolderItem, ItemOutlivesItsFolderAndItsListing)
{
    ScriptFolder scripts;
    scripts.write("a.rbs", "text of a");
    scripts.makeFolder("Tools.rbs");
    Ref<FolderItem> folder = GetFolderItem("", 0);
    ASSERT_EQ(folder->Count(), 2);
    Ref<FolderItem> tools = folder->Item(1); // capitals sort first
    Ref<FolderItem> file = folder->Item(2);
    const String name = file->Name();
    folder->Count(); // a new listing
    folder = nullptr;

    EXPECT_EQ(name.bytes(), "a.rbs");
    EXPECT_EQ(file->Name().bytes(), "a.rbs");
    EXPECT_EQ(file->NativePath().bytes(), scripts.pathOf("a.rbs"));
    EXPECT_TRUE(file->Exists());
    EXPECT_FALSE(file->Directory());
    Ref<BinaryStream> stream = file->OpenAsBinaryFile(false);
    ASSERT_FALSE(stream.isNil());
    EXPECT_EQ(stream->Read(100, Encoding::None).bytes(), "text of a");
    EXPECT_TRUE(tools->Directory());
    EXPECT_EQ(tools->Child("inner.rbs")->NativePath().bytes(), scripts.pathOf("Tools.rbs/inner.rbs"));
    EXPECT_EQ(tools->Count(), 0);
}

TEST(FolderItem, ItemOutsideTheListingIsNil)
{
    ScriptFolder scripts;
    Ref<FolderItem> folder = GetFolderItem("", 0);
    EXPECT_EQ(folder->Count(), 0);
    EXPECT_TRUE(folder->Item(1).isNil());

    scripts.write("one.rbs");
    scripts.write("two.rbs");
    ASSERT_EQ(folder->Count(), 2);
    for (int32_t index : { INT32_MIN, -1, 0, 3, INT32_MAX })
        EXPECT_TRUE(folder->Item(index).isNil()) << index;
    EXPECT_FALSE(folder->Item(2).isNil());
}

TEST(FolderItem, CountListsAfreshAndItemReadsThatListing)
{
    ScriptFolder scripts;
    scripts.write("b.rbs");
    Ref<FolderItem> folder = GetFolderItem("", 0);
    EXPECT_EQ(folder->Item(1)->Name().bytes(), "b.rbs"); // an Item before any Count lists once

    scripts.write("a.rbs");
    EXPECT_EQ(folder->Item(1)->Name().bytes(), "b.rbs"); // still the listing made above
    EXPECT_TRUE(folder->Item(2).isNil());

    ASSERT_EQ(folder->Count(), 2);
    std::filesystem::remove(scripts.pathOf("a.rbs"));
    scripts.write("c.rbs");
    Ref<FolderItem> gone = folder->Item(1); // listed, then removed
    EXPECT_EQ(gone->Name().bytes(), "a.rbs");
    EXPECT_FALSE(gone->Exists());
    EXPECT_TRUE(gone->OpenAsBinaryFile(false).isNil());
    EXPECT_TRUE(folder->Item(3).isNil()); // c.rbs came after the Count
}

TEST(FolderItem, WhatIsNoFolderListsNothing)
{
    ScriptFolder scripts;
    scripts.write("file.rbs", "x");
    EXPECT_EQ(GetFolderItem("file.rbs", 0)->Count(), 0);
    EXPECT_EQ(GetFolderItem("missing", 0)->Count(), 0);
    EXPECT_TRUE(GetFolderItem("missing", 0)->Item(1).isNil());
}

TEST(FolderItem, ChildOfAnUnsafeNameIsNil)
{
    ScriptFolder scripts;
    Ref<FolderItem> folder = GetFolderItem("", 0);
    for (const String& name : { String(""), String("."), String(".."), String("a/b"), String("/"),
             String("../x.rbs"), String(std::string("a\0b", 3), Encoding::UTF8) })
        EXPECT_TRUE(folder->Child(name).isNil()) << name.bytes();

    for (const String& name : { String("..rbs"), String("..."), String(" lead.rbs"), String("挨拶.rbs"),
             String("bad\xff.rbs", Encoding::UTF8), String("x.rbs") }) {
        Ref<FolderItem> child = folder->Child(name);
        ASSERT_FALSE(child.isNil()) << name.bytes();
        EXPECT_EQ(child->Name().bytes(), name.bytes());
        EXPECT_EQ(child->NativePath().bytes(), scripts.pathOf(name.bytes()));
        EXPECT_FALSE(child->Exists()); // a child need not exist
    }
    scripts.write("x.rbs", "x");
    EXPECT_TRUE(folder->Child("x.rbs")->Exists());
}

TEST(FolderItem, OpenAsBinaryFileIsNilForWhatCannotBeRead)
{
    ScriptFolder scripts;
    scripts.write("plain.rbs", "text");
    scripts.makeFolder("Tools.rbs");
    ASSERT_EQ(mkfifo(scripts.pathOf("pipe.rbs").c_str(), 0644), 0);
    std::filesystem::create_symlink("loop.rbs", scripts.pathOf("loop.rbs"));
    std::filesystem::create_symlink("nowhere", scripts.pathOf("dangling.rbs"));
    std::filesystem::create_symlink("plain.rbs", scripts.pathOf("link.rbs"));
    Ref<FolderItem> folder = GetFolderItem("", 0);

    for (const char* name : { "Tools.rbs", "missing.rbs", "pipe.rbs", "loop.rbs", "dangling.rbs" })
        EXPECT_TRUE(folder->Child(name)->OpenAsBinaryFile(false).isNil()) << name;
    EXPECT_TRUE(folder->Child("plain.rbs")->OpenAsBinaryFile(true).isNil()); // no writable streams
    Ref<BinaryStream> viaLink = folder->Child("link.rbs")->OpenAsBinaryFile(false);
    ASSERT_FALSE(viaLink.isNil());
    EXPECT_EQ(viaLink->Read(100, Encoding::None).bytes(), "text");
}

TEST(FolderItem, UnreadableFileOpensNoStream)
{
    ScriptFolder scripts;
    std::filesystem::permissions(scripts.path(), std::filesystem::perms(0755));
    scripts.write("locked.rbs", "secret");
    scripts.write("open.rbs", "shared");
    std::filesystem::permissions(scripts.pathOf("locked.rbs"), std::filesystem::perms::none);
    Ref<FolderItem> folder = GetFolderItem("", 0);

    AsOrdinaryUser user;
    EXPECT_FALSE(folder->Child("open.rbs")->OpenAsBinaryFile(false).isNil()); // the folder itself is readable
    EXPECT_TRUE(folder->Child("locked.rbs")->OpenAsBinaryFile(false).isNil());
}

TEST(FolderItem, UnreadableFolderListsNothing)
{
    ScriptFolder scripts;
    scripts.makeFolder("locked");
    scripts.write("locked/a.rbs");
    std::filesystem::permissions(scripts.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(scripts.pathOf("locked"), std::filesystem::perms::none);
    Ref<FolderItem> locked = GetFolderItem("locked", 0);

    AsOrdinaryUser user;
    EXPECT_TRUE(locked->Exists());
    EXPECT_EQ(locked->Count(), 0);
    EXPECT_TRUE(locked->Item(1).isNil());
}

TEST(BinaryStream, ReadsTheBytesExactly)
{
    ScriptFolder scripts;
    const char literal[] = "line one\r\nNUL \0 here\r\n\xff\xfe\xc3( end\n";
    const std::string bytes(literal, sizeof literal - 1);
    scripts.write("odd.rbs", bytes);
    Ref<BinaryStream> stream = GetFolderItem("odd.rbs", 0)->OpenAsBinaryFile(false);
    ASSERT_FALSE(stream.isNil());
    EXPECT_EQ(stream->Length(), bytes.size());

    const String text = stream->Read(static_cast<int32_t>(stream->Length()), Encoding::None);
    EXPECT_EQ(text.bytes(), bytes);
    EXPECT_EQ(text.encoding(), Encoding::None);
    EXPECT_TRUE(stream->Read(10, Encoding::None).isEmpty()); // at the end
    stream->Close();
}

TEST(BinaryStream, ReadsUpToTheCountFromWhereTheLastReadEnded)
{
    ScriptFolder scripts;
    std::string bytes(3 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7919) >> 3);
    scripts.write("big.rbs", bytes);
    Ref<BinaryStream> stream = GetFolderItem("big.rbs", 0)->OpenAsBinaryFile(false);
    ASSERT_FALSE(stream.isNil());

    EXPECT_TRUE(stream->Read(0, Encoding::None).isEmpty());
    EXPECT_TRUE(stream->Read(-5, Encoding::None).isEmpty());
    const String head = stream->Read(1000, Encoding::UTF8);
    EXPECT_EQ(head.bytes(), bytes.substr(0, 1000));
    EXPECT_EQ(head.encoding(), Encoding::UTF8);
    const String rest = stream->Read(INT32_MAX, Encoding::None); // more than is left
    EXPECT_EQ(rest.bytes().size(), bytes.size() - 1000);
    EXPECT_TRUE(rest.bytes() == bytes.substr(1000));
}

TEST(BinaryStream, FileCutShortAfterItsLengthReadsWhatIsLeft)
{
    ScriptFolder scripts;
    const std::string bytes(200 * 1024, 'x');
    scripts.write("shrinks.rbs", bytes);
    Ref<BinaryStream> stream = GetFolderItem("shrinks.rbs", 0)->OpenAsBinaryFile(false);
    ASSERT_FALSE(stream.isNil());
    const uint64_t length = stream->Length();
    ASSERT_EQ(length, bytes.size());
    ASSERT_EQ(::truncate(scripts.pathOf("shrinks.rbs").c_str(), 10), 0);

    const String text = stream->Read(static_cast<int32_t>(length), Encoding::None);
    EXPECT_EQ(text.bytes(), bytes.substr(0, 10));
    EXPECT_EQ(text.byteLength(), 10u);
}

// A file that grows while it is read holds more than the length the read began with. The files of
// /proc show that at once: each says 0 and holds its text, here a process's environment of 300 KB,
// so the read goes past its first buffer several times.
TEST(BinaryStream, BytesPastTheLengthTheReadBeganWithAllArriveInOrder)
{
    std::vector<std::string> variables;
    std::string expected;
    for (const char name : { 'A', 'B', 'C' }) {
        std::string variable = std::string(1, name) + "=";
        for (size_t i = 0; i < 100 * 1000; ++i)
            variable += static_cast<char>('a' + (i * 7 + static_cast<size_t>(name)) % 26);
        expected += variable + '\0';
        variables.push_back(std::move(variable));
    }
    std::vector<char*> environment;
    for (std::string& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    // A process that holds the environment while it is read, and goes at the end of the test.
    struct Holder {
        pid_t pid = -1;
        ~Holder()
        {
            if (pid > 0 && ::kill(pid, SIGKILL) == 0)
                ::waitpid(pid, nullptr, 0);
        }
    } holder;
    char* arguments[] = { const_cast<char*>("sleep"), const_cast<char*>("600"), nullptr };
    ASSERT_EQ(posix_spawnp(&holder.pid, "sleep", nullptr, nullptr, arguments, environment.data()), 0);
    const std::string path = "/proc/" + std::to_string(holder.pid) + "/environ";
    // The environment shows once the new program has started, a moment after the spawn returns.
    ASSERT_TRUE(waitUntil([&] { return std::ifstream(path).peek() != std::ifstream::traits_type::eof(); }))
        << path << " stays empty";

    Ref<BinaryStream> stream = GetFolderItem(String(path), 0)->OpenAsBinaryFile(false);
    ASSERT_FALSE(stream.isNil());
    EXPECT_EQ(stream->Length(), 0u);
    const String text = stream->Read(INT32_MAX, Encoding::None);
    EXPECT_EQ(text.byteLength(), expected.size());
    EXPECT_TRUE(text.bytes() == expected);
}

TEST(BinaryStream, EmptyFileReadsNothing)
{
    ScriptFolder scripts;
    scripts.write("empty.rbs");
    Ref<BinaryStream> stream = GetFolderItem("empty.rbs", 0)->OpenAsBinaryFile(false);
    ASSERT_FALSE(stream.isNil());
    EXPECT_EQ(stream->Length(), 0u);
    EXPECT_TRUE(stream->Read(0, Encoding::None).isEmpty());
    EXPECT_TRUE(stream->Read(100, Encoding::None).isEmpty());
}

TEST(BinaryStream, LengthOfAFileBeyondTwoGigabytes)
{
    ScriptFolder scripts;
    const uint64_t size = (uint64_t { 3 } << 30) + 123;
    const int fd = ::open(scripts.pathOf("huge.rbs").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0); // sparse: nothing is written
    ::close(fd);
    Ref<BinaryStream> stream = GetFolderItem("huge.rbs", 0)->OpenAsBinaryFile(false);
    ASSERT_FALSE(stream.isNil());
    EXPECT_EQ(stream->Length(), size);
}

TEST(BinaryStream, CloseEndsTheStreamAndTheLastReferenceClosesIt)
{
    ScriptFolder scripts;
    scripts.write("a.rbs", "abc");
    auto openFiles = [] {
        return std::distance(
            std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator());
    };
    const auto before = openFiles();
    {
        Ref<BinaryStream> stream = GetFolderItem("a.rbs", 0)->OpenAsBinaryFile(false);
        ASSERT_FALSE(stream.isNil());
        EXPECT_EQ(openFiles(), before + 1);
    }
    EXPECT_EQ(openFiles(), before);

    Ref<BinaryStream> stream = GetFolderItem("a.rbs", 0)->OpenAsBinaryFile(false);
    stream->Close();
    EXPECT_EQ(openFiles(), before);
    EXPECT_EQ(stream->Length(), 0u);
    EXPECT_TRUE(stream->Read(3, Encoding::None).isEmpty());
    stream->Close(); // twice is harmless
}

TEST(FolderItem, LaunchHandsTheFolderPathToTheDesktop)
{
    ScriptFolder scripts;
    OpenerRecorder opener;
    GetFolderItem("", 0)->Launch(true);
    EXPECT_EQ(opener.paths, std::vector<std::string> { scripts.path() });
}

TEST(FolderOpening, OpenerGetsThePathOrAFileUrlThatKeepsEveryByte)
{
    struct Case {
        std::string path, argument;
    } cases[] = {
        { "/tmp/ide script/挨拶", "/tmp/ide script/挨拶" },
        { "/tmp/\xf0\x9f\x98\x80", "/tmp/\xf0\x9f\x98\x80" }, // four bytes, valid
        { "/tmp/bad\xff name", "file:///tmp/bad%FF%20name" },
        { "/a\xc0\xaf"
          "b",
            "file:///a%C0%AFb" }, // an overlong '/'
        { "/a\xed\xa0\x80", "file:///a%ED%A0%80" }, // a surrogate
        { "/a\xe6\x8c", "file:///a%E6%8C" }, // cut short
        { "/a\x80~_.-", "file:///a%80~_.-" }, // a stray continuation; unreserved bytes stay
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::openerArgument(c.path), c.argument) << c.path;
}

// The real opener, a stand-in on PATH that writes down its arguments: the path arrives as one
// argument, no child is left behind, and without an opener on PATH the open reports failure.
TEST(FolderOpening, TheOpenerIsStartedWithThePathAndLeavesNoChildBehind)
{
    ScriptFolder bin;
    const std::string record = bin.pathOf("record");
    bin.write("xdg-open",
        "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > '" + record + ".part'\nmv '" + record
            + ".part' '" + record + "'\n");
    ASSERT_EQ(chmod(bin.pathOf("xdg-open").c_str(), 0755), 0);
    const char* const oldPath = getenv("PATH");
    const std::string savedPath = oldPath ? oldPath : "";
    struct RestorePath {
        const std::string& saved;
        ~RestorePath() { setenv("PATH", saved.c_str(), 1); }
    } restore { savedPath };

    setenv("PATH", (bin.path() + ":/usr/bin:/bin").c_str(), 1);
    EXPECT_TRUE(platform::openWithDesktop("/tmp/a folder/it's \"here\""));
    EXPECT_TRUE(waitUntil([&record] { return std::filesystem::exists(record); })) << "the opener never wrote";
    std::string got;
    if (FILE* file = fopen(record.c_str(), "r")) {
        char buffer[256] = {};
        got.assign(buffer, fread(buffer, 1, sizeof buffer - 1, file));
        fclose(file);
    }
    EXPECT_EQ(got, "[/tmp/a folder/it's \"here\"]");
    int status = 0;
    EXPECT_LE(waitpid(-1, &status, WNOHANG), 0) << "a child of ours was left to reap";

    setenv("PATH", bin.pathOf("nothing here").c_str(), 1);
    EXPECT_FALSE(platform::openWithDesktop("/tmp"));
}

TEST(FolderItem, ClassRecordsDescendFromObject)
{
    EXPECT_EQ(FolderItem::__Lookup().parent, &Object::__Lookup());
    EXPECT_EQ(BinaryStream::__Lookup().parent, &Object::__Lookup());
    EXPECT_EQ(GetFolderItem("/", 0)->classRecord().fullName, "FolderItem");
}

} // namespace
