#include "tests/support/ListSupport.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/Pixels.h"

#include "framework/qt/ControlWidget.h"
#include "framework/qt/WindowWidget.h"
#include "list/AlternatingList.h"

#include <optional>

namespace {

// Sets the two properties that nothing in the program sets.
class TestAlternatingList : public AlternatingList {
public:
    using AlternatingList::alternateColor;
    using AlternatingList::alternateRows;
};

constexpr uint32_t untouched = 0x00FF00;

class AlternatingListTest : public PaletteFixture {
protected:
    void SetUp() override
    {
        PaletteFixture::SetUp();
        list = fw::New<TestAlternatingList>();
        for (int i = 0; i < 4; ++i)
            list->AddRow("");
    }

    fw::Ref<TestAlternatingList> list;
};

TEST_F(AlternatingListTest, BackgroundFillFollowsRowParitySelectionAndAlternateRows)
{
    const struct {
        bool alternateRows;
        int32_t row;
        bool selected;
        std::optional<uint32_t> alternateColor;
        uint32_t fill;
    } cases[] = {
        { false, 0, false, std::nullopt, untouched },
        { false, 0, true, std::nullopt, untouched },
        { false, 3, true, std::nullopt, untouched },
        { true, 0, false, std::nullopt, 0x000000 }, // alternateColor as it starts
        { true, 2, false, 0xABCDEF, 0xABCDEF },
        { true, 2, true, 0xABCDEF, 0x1E1E64 },
        { true, 1, true, std::nullopt, 0x1E1E64 },
        { true, 1, false, std::nullopt, untouched },
        { true, -2, false, std::nullopt, 0x000000 },
        { true, -1, false, std::nullopt, untouched },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.alternateRows) + " row " + std::to_string(c.row));
        list->alternateRows = c.alternateRows;
        list->alternateColor = fw::Color { c.alternateColor.value_or(0x000000) };
        list->setListIndex(c.selected ? c.row : -1);
        QImage image = pixels::filled(30, 20, fw::Color { untouched });
        fw::qt::ScopedGraphics g(image);
        int raised = 0;
        list->cellBackgroundPaint.bind([&](fw::Ref<fw::Graphics> passed, int32_t row, int32_t column) {
            ++raised;
            EXPECT_TRUE(passed == g.get());
            EXPECT_EQ(row, c.row);
            EXPECT_EQ(column, 3);
            // The handler runs after the fill, on the same Graphics.
            EXPECT_EQ(pixels::at(image, 15, 10).value, c.fill);
            if (c.fill != untouched) {
                EXPECT_EQ(passed->ForeColor().value, c.fill);
            }
        });
        EXPECT_TRUE(list->Event_CellBackgroundPaint(g.get(), c.row, 3));
        EXPECT_EQ(raised, 1);
        EXPECT_EQ(pixels::at(image, 0, 0).value, c.fill);
        EXPECT_EQ(pixels::at(image, 29, 19).value, c.fill);
    }
}

TEST_F(AlternatingListTest, WithNoHandlerTheBackgroundStillCountsAsPainted)
{
    QImage image = pixels::filled(10, 10, fw::Color { untouched });
    fw::qt::ScopedGraphics g(image);
    EXPECT_TRUE(list->Event_CellBackgroundPaint(g.get(), 0, 0));
    EXPECT_EQ(pixels::at(image, 5, 5).value, untouched);
}

TEST_F(AlternatingListTest, TextIsBoldWhiteOnTheSelectedRowAndPlainBlackElsewhere)
{
    list->setListIndex(1);
    const struct {
        int32_t row;
        bool bold;
        uint32_t color;
    } cases[]
        = { { 1, true, 0xFFFFFF }, { 0, false, 0x000000 }, { 2, false, 0x000000 }, { 9, false, 0x000000 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        QImage image = pixels::filled(10, 10, fw::Color { untouched });
        fw::qt::ScopedGraphics g(image);
        g.get()->setBold(!c.bold);
        g.get()->setForeColor(fw::Color { 0x123456 });
        EXPECT_FALSE(list->Event_CellTextPaint(g.get(), c.row, 0, 4, 14));
        EXPECT_EQ(g.get()->Bold(), c.bold);
        EXPECT_EQ(g.get()->ForeColor().value, c.color);
    }
}

// The list draws the text itself with the style just set: white on the selected row, black on the
// other, over the background its users paint.
TEST_F(AlternatingListTest, TheListDrawsTheTextInTheStyleSet)
{
    auto placed = placeOnWindow<TestAlternatingList>(100, 60, true);
    fw::Ref<TestAlternatingList> shown = placed.control;
    shown->setTextSize(16);
    shown->AddRow("MMMMMM");
    shown->AddRow("MMMMMM");
    shown->setListIndex(0);
    shown->cellBackgroundPaint.bind([](fw::Ref<fw::Graphics> g, int32_t, int32_t) {
        g->setForeColor(fw::Color { 0x808080 });
        g->FillRect(0, 0, g->Width(), g->Height());
    });
    const QImage image = pixels::ofWidget(shown->widget());
    auto count = [&](int top, auto predicate) {
        int found = 0;
        for (int y = top; y < top + 20; ++y)
            for (int x = 0; x < 100; ++x)
                found += predicate(image.pixelColor(x, y));
        return found;
    };
    auto light = [](const QColor& c) { return c.lightness() > 230; };
    auto dark = [](const QColor& c) { return c.lightness() < 25; };
    EXPECT_GT(count(0, light), 10);
    EXPECT_EQ(count(0, dark), 0);
    EXPECT_GT(count(20, dark), 10);
    EXPECT_EQ(count(20, light), 0);
    EXPECT_EQ(pixels::at(image, 50, 50).value, 0x808080u); // below the last row: the handler's fill only
}

} // namespace
