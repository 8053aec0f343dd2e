#include "tests/support/Captions.h"
#include "tests/support/ListSupport.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScriptFolder.h"
#include "tests/support/ScriptReceiver.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"

#include <climits>
#include <cmath>
#include <optional>

namespace {

constexpr fw::Color background { 0xE8E8E8 };
constexpr fw::Color black { 0x000000 };
constexpr uint32_t untouched = 0x00FF00;

// The face is light grey, and dark grey while pressed.
static_assert(ButtonsCell::normalColor == fw::Color { 0xBDBBBD });
static_assert(ButtonsCell::pressedColor == fw::Color { 0x777777 });

// A button cell that says when it goes.
class WatchedCell : public ButtonsCell {
public:
    ~WatchedCell() override
    {
        if (destroyed)
            *destroyed = true;
    }
    bool* destroyed = nullptr;
};

// The palette window as start-up makes it, its list, a script folder and an IDE of the test's own.
class ButtonsCellTest : public PaletteFixture {
protected:
    void SetUp() override
    {
        PaletteFixture::SetUp();
        window = startWithoutLoop();
        list = window->CustomCellListbox1();
    }
    void TearDown() override
    {
        list = nullptr;
        window = nullptr;
        PaletteFixture::TearDown();
    }

    fw::Ref<ButtonsCell> button(const char* caption) { return fw::New<ButtonsCell>(caption, list); }

    // A row whose cell only the list holds, and that sets `destroyed` when it goes.
    void addWatchedCell(bool* destroyed)
    {
        list->AddRow("");
        fw::Ref<WatchedCell> cell = fw::New<WatchedCell>();
        cell->Constructor("a", list);
        cell->destroyed = destroyed;
        list->customCell(list->LastIndex(), 0, cell);
    }

    // The cell painted on its own into an image of that size, as the list hands it a Graphics.
    static QImage painted(const fw::Ref<ButtonsCell>& cell, int width, int height = 20)
    {
        QImage image = pixels::filled(width, height, fw::Color { untouched });
        fw::qt::ScopedGraphics g(image);
        cell->cellPaint(g.get(), 0);
        EXPECT_EQ(g.get()->ForeColor(), black);
        EXPECT_EQ(g.get()->TextSize(), 12);
        return image;
    }

    ScriptFolder folder;
    fw::Ref<Window1> window;
    fw::Ref<CustomCellListbox> list;
};

TEST_F(ButtonsCellTest, ANewCellHoldsItsCaptionItsListAndTheNormalFace)
{
    fw::Ref<ButtonsCell> cell = button("Hello");
    EXPECT_TRUE(hasCaption(cell, "Hello"));
    EXPECT_TRUE(cell->myself == list);
    EXPECT_EQ(cell->mycolor, ButtonsCell::normalColor);
    EXPECT_EQ(cell->compareValue(), 0);
    EXPECT_EQ(button("Other")->compareValue(), 0);

    // Another owner is not taken: the cell keeps the list it was made with.
    auto other = placeOnWindow<CustomCellListbox>(100, 100, false);
    cell->owner(other.control);
    cell->owner(nullptr);
    EXPECT_TRUE(cell->myself == list);
}

TEST_F(ButtonsCellTest, AClickAnywherePressesTheFaceAndRunsTheFirstCaptionsScript)
{
    folder.write("c.rbs", "script c");
    folder.write("c", "the caption alone");
    folder.write("c.rbs.rbs", "twice");
    folder.write("d.rbs", "script d");
    folder.write(".rbs", "no caption");
    ScriptReceiver ide;
    ASSERT_TRUE(ide.listening());
    const struct {
        const char* caption;
        const char* added; // a second caption, or none
        int32_t x, y;
        const char* sent; // nothing when null
    } cases[] = {
        { "c", nullptr, 0, 0, "script c" },
        { "c", nullptr, 50, 10, "script c" },
        { "c", nullptr, -5, 1000, "script c" }, // outside the drawn face, and the cell
        { "c", nullptr, INT32_MIN, INT32_MAX, "script c" },
        { "c", "d", 1, 1, "script c" },
        { "", nullptr, 1, 1, "no caption" },
        { "missing", nullptr, 1, 1, nullptr },
    };
    std::vector<std::string> sent;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " at " + std::to_string(c.x) + "," + std::to_string(c.y));
        fw::Ref<ButtonsCell> cell = button(c.caption);
        if (c.added) {
            cell->addButton(c.added);
            EXPECT_TRUE(showsCaption(cell, c.caption)) << "only the first caption shows";
        }
        EXPECT_TRUE(cell->cellClick(c.x, c.y));
        EXPECT_EQ(cell->mycolor, ButtonsCell::pressedColor);
        if (c.sent)
            sent.push_back(c.sent);
        EXPECT_EQ(ide.scripts(), sent);
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ButtonsCellTest, TheCellAndItsListHoldEachOtherUntilTheRowGoes)
{
    const int32_t listOwners = list->refCount();
    bool destroyed = false;
    addWatchedCell(&destroyed);
    EXPECT_EQ(list->refCount(), listOwners + 1);
    EXPECT_FALSE(destroyed);
    list->DeleteAllRows();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(list->refCount(), listOwners);
}

TEST_F(ButtonsCellTest, ClosingTheWindowLetsTheCellsAndTheListGo)
{
    bool destroyed = false;
    addWatchedCell(&destroyed);
    window->CloseWindow();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(list->refCount(), 1); // the test's own reference alone
}

TEST_F(ButtonsCellTest, TheButtonStandsOnTheWindowsBackgroundWithAShadowRowBelow)
{
    for (fw::Color face : { ButtonsCell::normalColor, ButtonsCell::pressedColor }) {
        SCOPED_TRACE(face.value);
        fw::Ref<ButtonsCell> cell = button("Go");
        cell->mycolor = face;
        const QImage image = painted(cell, 100);
        for (int x = 0; x < 100; ++x) {
            for (int y : { 0, 18, 19 })
                EXPECT_EQ(pixels::at(image, x, y), background) << x << "," << y;
        }
        for (int y = 0; y < 20; ++y) {
            for (int x : { 0, 4, 95, 99 })
                EXPECT_EQ(pixels::at(image, x, y), background) << x << "," << y;
        }
        // Clear of the caption in the middle and of the rounded corners.
        for (int x : { 10, 30, 70, 89 }) {
            for (int y = 1; y <= 16; ++y)
                EXPECT_EQ(pixels::at(image, x, y), face) << x << "," << y;
            EXPECT_EQ(pixels::at(image, x, 17), black) << x;
        }
        EXPECT_EQ(pixels::at(image, 5, 1), background); // a rounded corner
    }
}

// The caption's ink, found by its dark pixels over the normal face.
struct Ink {
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
};

Ink darkInk(const QImage& image, int fromX, int toX)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < toX; ++x) {
            if (!pixels::dark(image, x, y) || pixels::at(image, x, y) == black)
                continue;
            ink = { std::min(ink.left, x), std::max(ink.right, x), std::min(ink.top, y),
                std::max(ink.bottom, y) };
        }
    }
    return ink;
}

TEST_F(ButtonsCellTest, TheCaptionIsDarkOnItsBaselineAtFourteenWithALightCopyOneLower)
{
    const QImage image = painted(button("HH"), 100);
    const Ink ink = darkInk(image, 5, 95);
    ASSERT_GE(ink.right, ink.left);
    EXPECT_EQ(ink.bottom, 13); // a flat-bottomed caption ends just above its baseline
    // Under each stem, the row the dark copy leaves free shows the light copy's foot.
    int lightFeet = 0;
    for (int x = ink.left; x <= ink.right; ++x) {
        if (pixels::dark(image, x, 13)) {
            EXPECT_GT(qGray(image.pixel(x, 14)), qGray(ButtonsCell::normalColor.value)) << x;
            ++lightFeet;
        }
    }
    EXPECT_GT(lightFeet, 0);
    for (int x = ink.left; x <= ink.right; ++x)
        EXPECT_EQ(pixels::at(image, x, 15), ButtonsCell::normalColor) << x;
}

// The dark pixels of a caption drawn as the cell draws it, from x at the left, on the normal face.
QImage reference(const fw::String& caption, int x, int width)
{
    QImage image = pixels::filled(width, 20, ButtonsCell::normalColor);
    fw::qt::ScopedGraphics g(image);
    g.get()->setTextSize(12);
    g.get()->setForeColor(fw::Color { 0xFFFFFF });
    g.get()->DrawString(caption, x, 15, 0, false);
    g.get()->setForeColor(black);
    g.get()->DrawString(caption, x, 14, 0, false);
    return image;
}

TEST_F(ButtonsCellTest, TheCaptionIsCentredWithTheDifferenceTruncated)
{
    const struct {
        const char* caption;
        int width;
    } cases[] = {
        { "HH", 100 },
        { "HH", 101 },
        { "HH", 37 },
        { "HH", 64 },
        { "Hello", 100 },
        { "Hello", 77 },
        // Wider than the cell: the caption starts left of it, on one line.
        { "A caption far wider than the cell it is in", 60 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " in " + std::to_string(c.width));
        const QImage image = painted(button(c.caption), c.width);
        QImage measure = pixels::filled(1, 1, fw::Color { untouched });
        fw::qt::ScopedGraphics g(measure);
        g.get()->setTextSize(12);
        const int x = static_cast<int>(std::trunc((c.width - g.get()->StringWidth(c.caption)) / 2.0));
        // The reference, drawn far enough right that none of it is cut off.
        const int offset = 400;
        const QImage expected = reference(c.caption, offset + x, offset + c.width + 400);
        for (int y = 1; y <= 16; ++y) {
            for (int column = 10; column < c.width - 10; ++column)
                EXPECT_EQ(pixels::dark(image, column, y), pixels::dark(expected, offset + column, y))
                    << column << "," << y;
        }
    }
}

TEST_F(ButtonsCellTest, AnEmptyCaptionPaintsTheButtonWithoutText)
{
    const QImage image = painted(button(""), 100);
    EXPECT_EQ(pixels::count(image, background) + pixels::count(image, ButtonsCell::normalColor)
            + pixels::count(image, black),
        100 * 20);
    EXPECT_EQ(pixels::at(image, 50, 10), ButtonsCell::normalColor);
}

TEST_F(ButtonsCellTest, ASelectedRowLooksLikeAnyOther)
{
    list->AddRow("");
    list->customCell(0, 0, button("Go"));
    auto paintRow = [&](bool selected) {
        list->setListIndex(selected ? 0 : -1);
        QImage image = pixels::filled(100, 20, fw::Color { untouched });
        fw::qt::ScopedGraphics g(image);
        list->Event_cellBackgroundPaint(g.get(), 0, 0);
        return image;
    };
    const QImage plain = paintRow(false);
    const QImage selected = paintRow(true);
    EXPECT_EQ(pixels::at(selected, 0, 0), background);
    EXPECT_TRUE(selected == plain);
}

TEST_F(ButtonsCellTest, PaintingNeedsAGraphicsAndCopesWithTinyAreas)
{
    fw::Ref<ButtonsCell> cell = button("Go");
    EXPECT_THROW(cell->cellPaint(nullptr, 0), fw::NilObjectException);
    for (QSize size : { QSize(1, 1), QSize(9, 3), QSize(10, 4), QSize(12, 20) }) {
        const QImage image = painted(cell, size.width(), size.height());
        EXPECT_EQ(pixels::at(image, 0, 0), background) << size.width() << "x" << size.height();
    }
}

} // namespace
