#include "app/SettingsRecords.h"
#include "framework/ClassRecord.h"
#include "framework/SetProperties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace fw;

namespace {

// A record literal with its embedded zero bytes.
template <size_t N> std::string bytes(const char (&literal)[N])
{
    return std::string(literal, N - 1);
}

// The property types as the framework's classes register them, written out here independently of the
// records, so that reading checks the records against the types rather than against themselves.
const std::map<std::string, std::string>& propertyTypes()
{
    static const std::map<std::string, std::string> types = [] {
        std::map<std::string, std::string> t;
        for (auto n : { "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight",
                 "Frame", "MacProcID", "Index", "Left", "Top", "TabPanelIndex", "ColumnCount", "HeadingIndex",
                 "GridLinesHorizontal", "GridLinesVertical", "DefaultRowHeight", "_ScrollWidth",
                 "_ScrollOffset", "TextSize", "SelectionType", "Mode", "Period", "TabIndex", "CaptionAlign",
                 "CaptionPlacement", "CaptionDelta", "IconAlign", "IconDX", "IconDY", "Bevel", "HasMenu",
                 "MenuValue", "ButtonType" })
            t[n] = "i4";
        for (auto n : { "Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton",
                 "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton", "LockLeft", "LockTop",
                 "LockRight", "LockBottom", "AutoDeactivate", "Enabled", "HasHeading", "UseFocusRing",
                 "ScrollbarHorizontal", "ScrollBarVertical", "Bold", "Italic", "Underline", "Hierarchical",
                 "EnableDrag", "EnableDragReorder", "RequiresSelection", "ColumnsResizable",
                 "AutoHideScrollbars", "Go", "Value", "AcceptFocus" })
            t[n] = "b";
        for (auto n : { "BackColor", "cellcolor" })
            t[n] = "c";
        for (auto n : { "Title", "BalloonHelp", "Name", "HelpTag", "ColumnWidths", "InitialValue", "TextFont",
                 "DataSource", "DataField", "InitialParent", "Caption" })
            t[n] = "s";
        return t;
    }();
    return types;
}

// An object with a property of each of those names and types, which writes down every value that a
// record sets, in the record's order.
class EntryRecorder : public Object {
public:
    static const ClassRecord& __Lookup()
    {
        static const ClassRecord& r
            = ClassRecord::define("test.EntryRecorder", &Object::__Lookup(), {}, [](ClassRecord& c) {
                  for (const auto& [name, type] : propertyTypes()) {
                      c.properties.push_back({ name, type,
                          [name = name](Object& o, const PropertyValue& v) {
                              static_cast<EntryRecorder&>(o).entries.push_back({ name, v });
                          },
                          nullptr });
                  }
              });
        return r;
    }
    const ClassRecord& classRecord() const override { return __Lookup(); }

    std::vector<std::pair<std::string, PropertyValue>> entries;
};

// The entries of a record as _SetProperties reads them.
std::vector<std::pair<std::string, PropertyValue>> entriesOf(std::string_view record)
{
    auto recorder = New<EntryRecorder>();
    _SetProperties(recorder, record);
    return recorder->entries;
}

// The values of a record by name.
std::map<std::string, PropertyValue> valuesOf(std::string_view record)
{
    const auto entries = entriesOf(record);
    return { entries.begin(), entries.end() };
}

struct RecordCase {
    const char* name;
    std::string_view bytes;
    size_t length;
    size_t entries;
};

TEST(SettingsRecords, EachDecodesFromFirstByteToLast)
{
    const RecordCase cases[] = {
        { "Window1", SettingsRecords::Window1, 293, 22 },
        { "CustomCellListbox1", SettingsRecords::CustomCellListbox1, 664, 44 },
        { "Class21", SettingsRecords::Class21, 24, 3 },
        { "BevelButton1", SettingsRecords::BevelButton1, 437, 35 },
        { "BevelButton2", SettingsRecords::BevelButton2, 437, 35 },
        { "BevelButton3", SettingsRecords::BevelButton3, 437, 35 },
    };
    for (const RecordCase& c : cases) {
        EXPECT_EQ(c.bytes.size(), c.length) << c.name;
        EXPECT_EQ(entriesOf(c.bytes).size(), c.entries) << c.name;
    }
}

// One entry of a record as tests/fixtures/settings_records/ writes it out: the name, then the value's
// bytes in hex, where a quoted text stands for its own bytes.
struct WrittenEntry {
    std::string name;
    std::string value;
};

std::vector<WrittenEntry> readWrittenRecord(const std::string& path)
{
    std::ifstream file(path);
    EXPECT_TRUE(file.good()) << path;
    std::vector<WrittenEntry> entries;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream in(line);
        WrittenEntry entry;
        in >> entry.name >> std::ws;
        for (char next; in.get(next); in >> std::ws) {
            if (next == '"') {
                std::string text;
                std::getline(in, text, '"');
                entry.value += text;
            } else {
                const char digits[3] = { next, static_cast<char>(in.get()), 0 };
                char* end = nullptr;
                const unsigned long byte = std::strtoul(digits, &end, 16);
                EXPECT_EQ(end, digits + 2) << path << ":" << number << ": not a hex byte: " << digits;
                entry.value += static_cast<char>(byte);
            }
        }
        entries.push_back(entry);
    }
    return entries;
}

// Letters as they are, every other byte in hex, so that a failure shows which value differs.
std::string shown(std::string_view bytes)
{
    std::string out;
    for (unsigned char byte : bytes) {
        char hex[5];
        std::snprintf(hex, sizeof hex, byte > 0x20 && byte < 0x7F ? "%c" : " %02X", byte);
        out += hex;
    }
    return out;
}

// The fixtures are written from the records' tables, not by our encoder, so a changed entry in
// SettingsRecords.h fails here.
TEST(SettingsRecords, EachIsItsTableByteForByte)
{
    const struct {
        const char* name;
        std::string_view record;
    } records[] = {
        { "Window1", SettingsRecords::Window1 },
        { "CustomCellListbox1", SettingsRecords::CustomCellListbox1 },
        { "Class21", SettingsRecords::Class21 },
        { "BevelButton1", SettingsRecords::BevelButton1 },
        { "BevelButton2", SettingsRecords::BevelButton2 },
        { "BevelButton3", SettingsRecords::BevelButton3 },
    };
    for (const auto& r : records) {
        SCOPED_TRACE(r.name);
        const auto entries
            = readWrittenRecord(std::string(TEST_FIXTURES "/settings_records/") + r.name + ".txt");
        ASSERT_FALSE(entries.empty());
        size_t at = 0;
        for (const WrittenEntry& entry : entries) {
            const std::string expected = entry.name + ' ' + entry.value;
            EXPECT_EQ(shown(r.record.substr(std::min(at, r.record.size()), expected.size())), shown(expected))
                << "entry " << entry.name << " at byte " << at;
            at += expected.size();
        }
        EXPECT_EQ(r.record.size(), at);
    }
}

TEST(SettingsRecords, DecodedValuesMatchTheTables)
{
    std::map<std::string, PropertyValue> window = valuesOf(SettingsRecords::Window1);
    EXPECT_EQ(std::get<int32_t>(window["Width"]), 130);
    EXPECT_EQ(std::get<int32_t>(window["Height"]), 148);
    EXPECT_EQ(std::get<int32_t>(window["MinHeight"]), 100);
    EXPECT_EQ(std::get<int32_t>(window["Frame"]), 7);
    EXPECT_EQ(std::get<Color>(window["BackColor"]).value, 0xE8E8E8u);
    EXPECT_EQ(std::get<String>(window["Title"]).bytes(), "IDE Script");
    EXPECT_FALSE(std::get<bool>(window["Visible"]));

    std::map<std::string, PropertyValue> button2 = valuesOf(SettingsRecords::BevelButton2);
    std::map<std::string, PropertyValue> button3 = valuesOf(SettingsRecords::BevelButton3);
    EXPECT_EQ(std::get<int32_t>(button2["Left"]), 106);
    EXPECT_FALSE(std::get<bool>(button2["LockLeft"]));
    EXPECT_TRUE(std::get<bool>(button2["LockRight"]));
    EXPECT_EQ(std::get<int32_t>(button2["TabIndex"]), 3);
    EXPECT_EQ(std::get<int32_t>(button3["Left"]), 30);
    EXPECT_EQ(std::get<int32_t>(button3["TextSize"]), 0);
    EXPECT_EQ(std::get<int32_t>(button3["Index"]), INT32_MIN);
}

// A small class for applying records to, with one property of each type.
class Sample : public Object {
public:
    static const ClassRecord& __Lookup()
    {
        static const ClassRecord& r
            = ClassRecord::define("test.Sample", &Object::__Lookup(), {}, [](ClassRecord& c) {
                  c.properties.push_back(field("MacProcId", &Sample::number));
                  c.properties.push_back(field("ScrollBarHorizontal", &Sample::flag));
                  c.properties.push_back(field("BackColor", &Sample::colour));
                  c.properties.push_back(field("BalloonHelp", &Sample::text));
                  c.properties.push_back(objectProperty("myBu", "ButtonsCell"));
              });
        return r;
    }
    const ClassRecord& classRecord() const override { return __Lookup(); }
    int32_t number = 7;
    bool flag = true;
    Color colour;
    String text = "unset";
};

TEST(SetProperties, NamesMatchRegardlessOfCase)
{
    auto o = New<Sample>();
    const std::string record = bytes("MacProcID \xFF\xFF\xFF\xFE"
                                     "ScrollbarHorizontal \0BACKCOLOR \xE8\xE8\xE8"
                                     "balloonhelp \0\0\0\0");
    _SetProperties(o, record);
    EXPECT_EQ(o->number, -2);
    EXPECT_FALSE(o->flag);
    EXPECT_EQ(o->colour.value, 0xE8E8E8u);
    EXPECT_EQ(o->text.bytes(), "");
}

TEST(SetProperties, FourZeroBytesAreAnEmptyStringOrAZeroByTheNamesType)
{
    auto o = New<Sample>();
    _SetProperties(o, bytes("BalloonHelp \0\0\0\0MacProcID \0\0\0\0"));
    EXPECT_EQ(o->text.bytes(), "");
    EXPECT_EQ(o->number, 0);
}

TEST(SetProperties, MalformedRecordsRaiseAndNameTheProblem)
{
    struct Case {
        std::string record;
        const char* mentions;
    } cases[] = {
        { "Nope \x01", "Nope" },
        { "MacProcId", "ends inside a name" },
        { bytes("MacProcId \0\0"), "ends inside the value" },
        { bytes("BalloonHelp \0\0\0\x09"
                "abc"),
            "BalloonHelp" },
        { bytes("BalloonHelp \xFF\xFF\xFF\xFF"), "ends inside the value" },
        { "BackColor \xE8\xE8", "BackColor" },
        { "myBu \0", "o<ButtonsCell>" },
        { " \x01", "empty name" },
    };
    for (const Case& c : cases) {
        auto o = New<Sample>();
        try {
            _SetProperties(o, c.record);
            ADD_FAILURE() << "no exception for " << c.mentions;
        } catch (const PropertyRecordException& e) {
            EXPECT_NE(e.Message.bytes().find(c.mentions), std::string::npos) << e.Message.bytes();
        }
        EXPECT_EQ(o->text.bytes(), "unset");
    }
}

TEST(SetProperties, EntriesBeforeABadOneStayApplied)
{
    auto o = New<Sample>();
    EXPECT_THROW(_SetProperties(o, bytes("MacProcId \0\0\0\x05Unknown \0")), PropertyRecordException);
    EXPECT_EQ(o->number, 5);
}

} // namespace
