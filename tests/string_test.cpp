#include "framework/Color.h"
#include "framework/Conversions.h"
#include "framework/String.h"
#include "framework/qt/Colors.h"
#include "framework/qt/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace fw;

namespace {

const String invalid = String::fromBytes("a\xff\xfe"
                                         "b");
const String invalidUtf8("\xc3(\xe2\x28\xa1z", Encoding::UTF8); // broken sequences tagged UTF-8

TEST(String, EqualityIgnoresCase)
{
    struct Case {
        String a, b;
        bool equal;
    } cases[] = {
        { "abc", "ABC", true },
        { "Tools.RBS", "tools.rbs", true },
        { "abc", "abd", false },
        { "abc", "abcd", false },
        { "Ärger", "ärger", true },
        { "ファイル", "ファイル", true },
        { "ファイル", "ファイ", false },
        { "", "", true },
        { invalidUtf8, invalidUtf8, true },
        { String("\xff", Encoding::UTF8), String("\xfe", Encoding::UTF8), false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.a == c.b, c.equal) << c.a.bytes() << " / " << c.b.bytes();
}

TEST(String, StrCompComparesBytes)
{
    EXPECT_EQ(StrComp("RBv2", "RBv2", 0), 0);
    EXPECT_NE(StrComp("RBv2", "rbv2", 0), 0);
    EXPECT_EQ(StrComp("a", "b", 0), -1);
    EXPECT_EQ(StrComp("b", "a", 0), 1);
    EXPECT_EQ(StrComp(String::fromBytes("\xff"), String::fromBytes("a"), 0), 1); // unsigned bytes
}

TEST(String, LenAndMidCountCharacters)
{
    EXPECT_EQ(Len("abc"), 3);
    EXPECT_EQ(Len("すべてを選択"), 6);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len(invalidUtf8), 6); // each broken byte is a character of its own
    EXPECT_EQ(Len(invalid), 4);
    EXPECT_EQ(Mid("abc", 1, 1).bytes(), "a");
    EXPECT_EQ(Mid("abc", 3, 1).bytes(), "c");
    EXPECT_EQ(Mid("abc", 4, 1).bytes(), "");
    EXPECT_EQ(Mid("abc", 2).bytes(), "bc");
    EXPECT_EQ(Mid("abc", 0, 2).bytes(), "ab");
    EXPECT_EQ(Mid("取り消し", 2, 2).bytes(), "り消");
    EXPECT_EQ(Mid(invalidUtf8, 2, 1).bytes(), "(");
    EXPECT_EQ(Mid(invalidUtf8, 1, 1).bytes(), "\xc3");
}

TEST(String, LenCountsEachByteOfAMalformedSequenceAsOneCharacter)
{
    struct Case {
        const char* bytes;
        int32_t length;
    } cases[] = {
        { "\xf0\x9f\x98\x80", 1 }, // four bytes, valid
        { "\xc0\xaf", 2 }, // an overlong '/'
        { "\xed\xa0\x80", 3 }, // a surrogate
        { "\xf4\x90\x80\x80", 4 }, // above U+10FFFF
        { "\xe6\x8c", 2 }, // cut short
        { "\x80\xbf", 2 }, // stray continuations
        { "\xf8\x88\x80\x80\x80", 5 }, // a five-byte form
    };
    for (const Case& c : cases)
        EXPECT_EQ(Len(String(std::string(c.bytes), Encoding::UTF8)), c.length) << c.bytes;
}

TEST(String, ReplaceReplacesTheFirstOccurrenceIgnoringCase)
{
    struct Case {
        const char* source;
        const char* expected;
    } cases[] = {
        { "Foo.rbs", "Foo" },
        { "a.rbs.b.rbs", "a.b.rbs" },
        { ".rbs", "" },
        { "X.RBS", "X" },
        { "notes_rbs", "notes_rbs" },
        { "名前.rbs", "名前" },
        { "", "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Replace(c.source, ".rbs", "").bytes(), c.expected) << c.source;
    EXPECT_EQ(Replace(String("bad\xff.rbs", Encoding::UTF8), ".rbs", "").bytes(), "bad\xff");
    EXPECT_EQ(Replace("abc", "", "x").bytes(), "abc");
}

TEST(String, JoinKeepsBytes)
{
    const String joined = String("a") + invalid;
    EXPECT_EQ(joined.bytes(), std::string("a") + invalid.bytes());
    EXPECT_EQ((String("名") + String(".rbs")).bytes(), "名.rbs");
    EXPECT_EQ((String("") + invalid).encoding(), Encoding::None);
}

TEST(Color, PacksChannels)
{
    EXPECT_EQ(RGB(30, 30, 100).value, 0x1E1E64u);
    EXPECT_EQ(RGB(40, 144, 224).value, 0x2890E0u);
    EXPECT_EQ(RGB(-5, 300, 0).value, 0x00FF00u);
    EXPECT_EQ((0xBDBBBD_rgb).green(), 0xBB);
}

TEST(Conversions, DoubleToInt32TruncatesAndIsTotal)
{
    struct Case {
        double in;
        int32_t out;
    } cases[] = {
        { 35.0, 35 },
        { 34.5, 34 },
        { 144.5, 144 },
        { -0.5, 0 },
        { -34.5, -34 },
        { 2147483647.0, INT32_MAX },
        { 1e300, INT32_MAX },
        { -1e300, INT32_MIN },
        { -2147483648.0, INT32_MIN },
        { std::numeric_limits<double>::infinity(), INT32_MAX },
        { -std::numeric_limits<double>::infinity(), INT32_MIN },
        { std::nan(""), 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuntimeCvtReal64ToSInt32(c.in), c.out) << c.in;
    EXPECT_EQ(RuntimeCvtSInt32ToReal64(INT32_MIN), -2147483648.0);
}

} // namespace

namespace {

// Text reaches Qt whole: a NUL byte does not end it, and bytes that are not UTF-8 still show.
TEST(QtText, EveryByteReachesQt)
{
    struct Case {
        String text;
        QString shown;
    } cases[] = {
        { String(std::string("a\0b", 3), Encoding::UTF8), QString::fromUtf16(u"a\0b", 3) },
        { String(std::string("\0", 1), Encoding::UTF8), QString(QChar(0)) },
        { "挨拶", QString::fromUtf16(u"挨拶") },
        { String::fromBytes("x\xff"), QString::fromUtf16(u"x\uFFFD") },
        { String(), QString() },
    };
    for (const Case& c : cases)
        EXPECT_EQ(qt::toQString(c.text), c.shown) << c.text.bytes();
}

TEST(QtColor, ChannelsCrossBothWays)
{
    for (const Color color : { 0x000000_rgb, 0xBDBBBD_rgb, 0x123456_rgb, 0xFFFFFF_rgb }) {
        const QColor shown = qt::toQColor(color);
        EXPECT_EQ(shown.rgb() & 0xFFFFFF, color.value);
        EXPECT_EQ(qt::fromQColor(shown), color);
    }
}

} // namespace
