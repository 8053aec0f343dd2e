// Writes the seed inputs of the fuzz targets into DIR/<target>/ (tests/fuzz/corpus when run from the
// source folder): the palette's real settings records, and run-script events that ide-standin
// accepts or refuses. Inputs found by fuzzing that made a target fail are kept beside them by hand.
#include "app/SettingsRecords.h"
#include "platform/AppleEventMessage.h"
#include "platform/BigEndian.h"
#include "platform/FourCharCode.h"
#include "tests/support/WholeAppleEvent.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

using namespace fw::platform;
using namespace std::string_literals;

namespace {

bool put(const std::filesystem::path& folder, const char* name, std::string_view bytes)
{
    std::filesystem::create_directories(folder);
    std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        std::fprintf(stderr, "make_corpus: cannot write %s\n", (folder / name).c_str());
    return static_cast<bool>(file);
}

std::string event(const AppleEventMessage& message)
{
    return encodeAppleEvent(message).value();
}

AppleEventParameter direct(std::string_view script, const char* type = "TEXT")
{
    return { fourCC("----"), fourCC(type), script };
}

AppleEventMessage runScript(std::vector<AppleEventParameter> parameters, const char* target = "RBv2")
{
    return { fourCC("RBae"), fourCC("scpt"), fourCC(target), std::move(parameters) };
}

// The selector byte in front of each record picks the kind of object that receives it.
bool settingsRecords(const std::filesystem::path& folder)
{
    struct {
        const char* name;
        char selector;
        std::string_view record;
    } const records[] = {
        { "window1", 0, SettingsRecords::Window1 },
        { "customcelllistbox1", 1, SettingsRecords::CustomCellListbox1 },
        { "class21", 2, SettingsRecords::Class21 },
        { "bevelbutton1", 3, SettingsRecords::BevelButton1 },
        { "bevelbutton2", 3, SettingsRecords::BevelButton2 },
        { "bevelbutton3", 3, SettingsRecords::BevelButton3 },
    };
    bool written = true;
    for (const auto& r : records)
        written &= put(folder, r.name, std::string(1, r.selector) + std::string(r.record));
    return written;
}

bool receiverMessages(const std::filesystem::path& folder)
{
    const std::string small = "MsgBox \"hi\"\r\n";
    const std::string nul = "a\0b\0"s;
    const std::string accepted = event(runScript({ direct(small) }));
    const std::string body = accepted.substr(appleEventHeaderSize);
    struct {
        const char* name;
        std::string bytes;
    } const messages[] = {
        { "empty-script", event(runScript({ direct("") })) },
        { "small-script", accepted },
        { "nul-bytes", event(runScript({ direct(nul) })) },
        { "beside-another-parameter",
            event(runScript({ { fourCC("kwd1"), fourCC("long"), "\0\0\0\1"s }, direct(small) })) },
        { "bytes-after-the-message", accepted + "AEVT" },
        { "not-an-event", "GET / HTTP/1.0\r\n\r\n" },
        { "short-header", "AEVT" },
        { "no-body", "AEVT" + bigEndian32String(0) },
        { "body-shorter-than-announced", accepted.substr(0, accepted.size() - 3) },
        { "count-past-the-bytes",
            "AEVT" + bigEndian32String(body.size()) + body.substr(0, 12) + bigEndian32String(2)
                + body.substr(16) },
        { "length-past-the-bytes",
            "AEVT" + bigEndian32String(body.size()) + body.substr(0, 24) + bigEndian32String(0xFFFFFFF0)
                + small },
        { "trailing-bytes", "AEVT" + bigEndian32String(body.size() + 1) + body + "!" },
        { "other-class", event({ fourCC("RBaX"), fourCC("scpt"), fourCC("RBv2"), { direct(small) } }) },
        { "other-creator", event(runScript({ direct(small) }, "Fndr")) },
        { "no-direct-object", event(runScript({ { fourCC("kwd1"), fourCC("TEXT"), small } })) },
        { "direct-object-not-text", event(runScript({ direct(small, "utf8") })) },
        { "two-direct-objects", event(runScript({ direct(small), direct(nul) })) },
    };
    bool written = true;
    for (const auto& m : messages)
        written &= put(folder, m.name, m.bytes);
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus DIR\n");
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    bool written = settingsRecords(corpus / "settings_record");
    written &= receiverMessages(corpus / "apple_event_receiver");
    return written ? 0 : 1;
}
