#include "app/Reg.h"
#include "framework/ClassRecord.h"
#include "framework/RegEx.h"
#include "tests/support/MsgBoxRecorder.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <gtest/gtest.h>

using namespace fw;

namespace {

std::string engineMessage(int errorCode)
{
    PCRE2_UCHAR buffer[256];
    const int length = pcre2_get_error_message(errorCode, buffer, sizeof buffer);
    return std::string(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length));
}

Ref<RegEx> expression(const char* pattern)
{
    Ref<RegEx> re = New<RegEx>();
    re->SearchPattern = pattern;
    return re;
}

TEST(RegEx, NewExpressionHasTheDocumentedDefaults)
{
    Ref<RegEx> re = New<RegEx>();
    EXPECT_TRUE(re->SearchPattern.isEmpty());
    EXPECT_FALSE(re->Options()->ReplaceAllMatches);
    EXPECT_TRUE(re->Options()->CaseSensitive);
    EXPECT_FALSE(re->Options()->TreatTargetAsOneLine);
    EXPECT_FALSE(re->Options()->DotMatchAll);
    EXPECT_TRUE(re->Options() == re->Options()); // one options object per expression
}

TEST(RegEx, MatchGivesTheTextAndItsBytePosition)
{
    Ref<RegExMatch> match = expression("b+")->Search("aabbbc");
    ASSERT_FALSE(match.isNil());
    EXPECT_EQ(match->Text.bytes(), "bbb");
    EXPECT_EQ(match->BytePosition, 2);

    Ref<RegEx> caseless = expression("ö.");
    caseless->Options()->CaseSensitive = false;
    match = caseless->Search("Grüße, Öl");
    ASSERT_FALSE(match.isNil());
    EXPECT_EQ(match->Text.bytes(), "Öl"); // case folded beyond ASCII
    EXPECT_EQ(match->BytePosition, 9);

    EXPECT_TRUE(expression("z")->Search("abc").isNil());
}

TEST(RegEx, OptionsSetAfterThePatternApplyAtSearch)
{
    Ref<RegEx> re = expression("rbs$");
    EXPECT_TRUE(re->Search("X.RBS").isNil());
    re->Options()->CaseSensitive = false;
    EXPECT_FALSE(re->Search("X.RBS").isNil());
    re->Options()->CaseSensitive = true;
    EXPECT_TRUE(re->Search("X.RBS").isNil());
    EXPECT_FALSE(re->Search("X.rbs").isNil());
}

// Expressions of one pattern share its compiled code: a search must still follow its own pattern and
// options, whatever came before it.
TEST(RegEx, EachSearchFollowsItsOwnPatternAndOptionsAfterOthers)
{
    struct Case {
        const char* pattern;
        bool caseSensitive, oneLine, dotAll;
        const char* target;
        bool matches;
    } cases[] = {
        { "rbs$", true, false, false, "X.RBS", false },
        { "rbs$", false, false, false, "X.RBS", true }, // same pattern, other options
        { "rbs$", true, false, false, "X.RBS", false }, // and back
        { "rbs$", true, false, false, "x.rbs\nmore", true }, // $ at a line break
        { "rbs$", true, true, false, "x.rbs\nmore", false }, // only the line option differs
        { "rbs$", true, true, false, "x.rbs\n", true }, // $ before a final newline either way
        { "rbs", true, false, false, "x.rbs.txt", true }, // a prefix of the pattern before
        { "rbs$", true, false, false, "x.rbs.txt", false }, { "a.b", true, false, false, "a\nb", false },
        { "a.b", true, false, true, "a\nb", true }, // only the dot option differs
        { "a.b", true, true, false, "a\nb", false }, { "^b", true, false, false, "a\nb", true },
        { "^b", true, true, false, "a\nb", false }, // only the line option differs
    };
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : cases) {
            Ref<RegEx> re = expression(c.pattern);
            re->Options()->CaseSensitive = c.caseSensitive;
            re->Options()->TreatTargetAsOneLine = c.oneLine;
            re->Options()->DotMatchAll = c.dotAll;
            EXPECT_EQ(!re->Search(c.target).isNil(), c.matches)
                << c.pattern << " on " << c.target << ", round " << round;
        }
    }
}

TEST(RegEx, ManyPatternsInTurnEachMatchOnlyTheirOwn)
{
    // More patterns than any small cache holds, twice round, so that evicted ones compile again.
    constexpr int patterns = 100;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < patterns; ++i) {
            const std::string own = "^n" + std::to_string(i) + "$";
            const std::string target = "n" + std::to_string(i);
            const std::string other = "n" + std::to_string(i + 1);
            EXPECT_FALSE(expression(own.c_str())->Search(String(std::string_view(target))).isNil()) << own;
            EXPECT_TRUE(expression(own.c_str())->Search(String(std::string_view(other))).isNil()) << own;
        }
    }
}

// Past the bound of the patterns kept compiled, each search still follows its own pattern and options:
// a pattern that replaces one kept under other options is kept under its own, and evicted patterns
// match again as they should.
TEST(RegEx, PastTheCompiledPatternsKeptEachSearchFollowsItsPatternAndOptions)
{
    const auto matches = [](int number, bool caseSensitive, const char* target) {
        Ref<RegEx> re = expression(("^bound" + std::to_string(number) + "$").c_str());
        re->Options()->CaseSensitive = caseSensitive;
        return !re->Search(String(std::string_view(target + std::to_string(number)))).isNil();
    };
    // More than are kept, ignoring case; then as many others, telling case apart, each in the place
    // of one of the first.
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(matches(i, false, "BOUND")) << i;
    for (int i = 20; i < 40; ++i) {
        EXPECT_FALSE(matches(i, true, "BOUND")) << i;
        EXPECT_TRUE(matches(i, true, "bound")) << i;
    }
    // The latest first, then all of them once more, now that each has been evicted.
    for (int round = 0; round < 2; ++round) {
        for (int i = 39; i >= 0; --i) {
            EXPECT_TRUE(matches(i, false, "BOUND")) << i << ", round " << round;
            EXPECT_FALSE(matches(i, true, "BOUND")) << i << ", round " << round;
            EXPECT_FALSE(matches(i, false, "other")) << i << ", round " << round;
        }
    }
}

TEST(RegEx, PatternThatDoesNotCompileRaisesEveryTime)
{
    EXPECT_FALSE(expression("a(b)")->Search("ab").isNil());
    for (int i = 0; i < 3; ++i)
        EXPECT_THROW(expression("a(b")->Search("ab"), RegExSearchPatternException);
    EXPECT_FALSE(expression("a(b)")->Search("ab").isNil());
}

TEST(RegEx, LineOptionsDecideAnchorsAndDots)
{
    struct Case {
        const char* pattern;
        const char* target;
        bool oneLine, dotAll;
        bool matches;
    } cases[] = {
        { "^b", "a\nb", false, false, true }, // ^ at a line break
        { "^b", "a\rb", false, false, true }, // CR ends a line too
        { "a$", "a\r\nb", false, false, true },
        { "^b", "a\nb", true, false, false },
        { "a$", "a\nb", true, false, false },
        { "a.b", "a\nb", false, false, false },
        { "a.b", "a\nb", false, true, true },
        { "a.b", "a-b", false, false, true },
    };
    for (const Case& c : cases) {
        Ref<RegEx> re = expression(c.pattern);
        re->Options()->TreatTargetAsOneLine = c.oneLine;
        re->Options()->DotMatchAll = c.dotAll;
        EXPECT_EQ(!re->Search(c.target).isNil(), c.matches) << c.pattern << " on " << c.target;
    }
}

TEST(RegEx, InvalidUtf8InTheTargetNeverFailsTheSearch)
{
    const String target("caf\xe9\xff_rbs", Encoding::UTF8);
    EXPECT_FALSE(expression("rbs$")->Search(target).isNil());
    EXPECT_TRUE(expression("caf.\\w")->Search(target).isNil()); // the bad bytes match nothing
    EXPECT_FALSE(expression("^caf")->Search(String::fromBytes("caf\xc3")).isNil());
}

TEST(RegEx, BadPatternsRaiseWithTheEnginesMessage)
{
    struct Case {
        String pattern;
        int errorCode;
    } cases[] = {
        { "(", PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS },
        { "a{2,1}", PCRE2_ERROR_QUANTIFIER_OUT_OF_ORDER },
        { String("a\xff", Encoding::UTF8), PCRE2_ERROR_UTF8_ERR21 },
        { String("\xc3(", Encoding::UTF8), PCRE2_ERROR_UTF8_ERR6 },
    };
    for (const Case& c : cases) {
        Ref<RegEx> re = New<RegEx>();
        re->SearchPattern = c.pattern;
        try {
            re->Search("target");
            ADD_FAILURE() << "no exception for " << c.pattern.bytes();
        } catch (const RegExSearchPatternException& e) {
            EXPECT_EQ(e.Message.bytes(), engineMessage(c.errorCode));
            EXPECT_STREQ(e.className(), "RegExSearchPatternException");
        }
    }
}

TEST(RegEx, SearchTheEngineGivesUpOnRaisesRegExException)
{
    Ref<RegEx> re = expression("(*LIMIT_MATCH=1000)(a+)+$");
    try {
        re->Search("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!");
        ADD_FAILURE() << "no exception";
    } catch (const RegExSearchPatternException&) {
        ADD_FAILURE() << "the pattern is fine";
    } catch (const RegExException& e) {
        EXPECT_EQ(e.Message.bytes(), engineMessage(PCRE2_ERROR_MATCHLIMIT));
        EXPECT_STREQ(e.className(), "RegExException");
    }
}

TEST(RegEx, ClassRecordsDescendFromObject)
{
    for (const ClassRecord* record :
        { &RegEx::__Lookup(), &RegExOptions::__Lookup(), &RegExMatch::__Lookup() }) {
        EXPECT_EQ(record->parent, &Object::__Lookup()) << record->fullName;
        EXPECT_EQ(ClassRecord::find(record->fullName), record);
    }
    EXPECT_EQ(New<RegEx>()->classRecord().fullName, "RegEx");
    ASSERT_NE(RegExOptions::__Lookup().findProperty("casesensitive"), nullptr);
}

TEST(Reg, MatchesScriptNamesWithTheDefaultOptions)
{
    struct Case {
        String name;
        bool matches;
    } cases[] = {
        { "Hello.rbs", true }, { "notes_rbs", true }, // no dot in the pattern
        { "a.rbs.txt", false }, { "", false }, { "X.RBS", false }, // a new expression tells case apart
        { "挨拶.rbs", true }, { String("bad\xff\xfe name rbs", Encoding::UTF8), true },
        { "rbs\n.txt", true }, // $ also ends a line
    };
    MsgBoxRecorder boxes;
    for (const Case& c : cases)
        EXPECT_EQ(Reg::m(c.name, "rbs$", ""), c.matches) << c.name.bytes();
    EXPECT_TRUE(boxes.texts.empty());
}

TEST(Reg, OptionLettersSetTheirOptions)
{
    struct Case {
        String letters;
        bool all, caseSensitive, oneLine, dotAll;
    } cases[] = {
        { "", false, false, false, false }, { "g", true, false, false, false },
        { "G", true, false, false, false }, { "i", false, true, false, false },
        { "I", false, true, false, false }, { "s", false, false, true, true },
        { "S", false, false, true, true }, { "m", false, false, false, false },
        { "SM", false, false, false, false }, { "sm", false, false, false, false }, // the later letter wins
        { "ms", false, false, true, true }, { "gg", true, false, false, false },
        { "xyz", false, false, false, false },
        { "ſ", false, false, true, true }, // the long s folds to s under the case-ignoring `=`
        { "gims", true, true, true, true },
        { "ｇ", false, false, false, false }, // a full-width letter is another letter
    };
    for (const Case& c : cases) {
        Ref<RegEx> re = New<RegEx>();
        // Cleared first (a new expression has it set), so that the table shows which letters set it.
        re->Options()->CaseSensitive = false;
        Ref<RegEx> same = re;
        Reg::Option(c.letters, re);
        EXPECT_TRUE(re == same) << "Option never replaces the expression";
        EXPECT_EQ(re->Options()->ReplaceAllMatches, c.all) << c.letters.bytes();
        EXPECT_EQ(re->Options()->CaseSensitive, c.caseSensitive) << c.letters.bytes();
        EXPECT_EQ(re->Options()->TreatTargetAsOneLine, c.oneLine) << c.letters.bytes();
        EXPECT_EQ(re->Options()->DotMatchAll, c.dotAll) << c.letters.bytes();
    }
}

// The folder's names are told apart by case, so the script pattern must be too, with or without "i".
TEST(Reg, TheScriptPatternTellsLetterCaseApartByDefault)
{
    struct Case {
        const char* name;
        const char* options;
        bool matches;
    } cases[] = {
        { "x.rbs", "", true },
        { "x.RBS", "", false },
        { "x.Rbs", "", false },
        { "notes_rbs", "", true },
        { "x.rbs", "i", true },
        { "x.RBS", "i", false },
        { "x.Rbs", "I", false },
        { "notes_rbs", "i", true },
    };
    MsgBoxRecorder boxes;
    for (const Case& c : cases)
        EXPECT_EQ(Reg::m(c.name, "rbs$", c.options), c.matches) << c.name << " with \"" << c.options << '"';
    EXPECT_TRUE(boxes.texts.empty());
}

TEST(Reg, OptionLettersChangeTheMatch)
{
    MsgBoxRecorder boxes;
    EXPECT_TRUE(Reg::m("a\nb", "a.b", "s"));
    EXPECT_FALSE(Reg::m("a\nb", "a.b", "sm"));
    EXPECT_FALSE(Reg::m("a.rbs\nb", "rbs$", "s")); // one line: $ only at the end
    EXPECT_TRUE(boxes.texts.empty());
}

TEST(Reg, OptionOnANilExpressionRaisesAtTheFirstLetterThatActs)
{
    Ref<RegEx> nil;
    EXPECT_NO_THROW(Reg::Option("", nil));
    EXPECT_NO_THROW(Reg::Option("xyz", nil));
    EXPECT_THROW(Reg::Option("xg", nil), NilObjectException);
}

TEST(Reg, BadPatternShowsTheEnginesMessageOnceAndGivesFalse)
{
    MsgBoxRecorder boxes;
    bool result = true;
    EXPECT_NO_THROW(result = Reg::m("anything", "(", ""));
    EXPECT_FALSE(result);
    EXPECT_EQ(
        boxes.texts, std::vector<std::string> { engineMessage(PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS) });

    EXPECT_FALSE(Reg::m("anything", String("\xff", Encoding::UTF8), "g"));
    EXPECT_FALSE(Reg::m("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!", "(*LIMIT_MATCH=1000)(a+)+$", ""));
    EXPECT_EQ(boxes.texts.size(), 3u); // one box for every call that fails
    EXPECT_EQ(boxes.texts[2], engineMessage(PCRE2_ERROR_MATCHLIMIT));
}

} // namespace
