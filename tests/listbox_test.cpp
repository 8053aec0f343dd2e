#include "tests/support/ListSupport.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/Pixels.h"

#include "framework/Application.h"
#include "framework/Listbox.h"
#include "framework/qt/ControlWidget.h"
#include "framework/qt/WindowWidget.h"

#include <QPalette>
#include <QScrollBar>
#include <QWheelEvent>

#include <set>
#include <utility>

namespace {

using Cell = std::pair<int32_t, int32_t>;

// A list of 100 x 121 on a shown window, with a heading band of one row height (20): five whole rows
// and the top of a sixth fit below it.
class ListboxTest : public PaletteFixture {
protected:
    void SetUp() override
    {
        PaletteFixture::SetUp();
        placed = placeOnWindow<fw::Listbox>(100, 121, true);
        list = placed.control;
        list->setHasHeading(true);
        list->setInitialValue("Name");
        settle();
    }
    void TearDown() override
    {
        list = nullptr;
        placed = {};
        PaletteFixture::TearDown();
    }
    QWidget* widget() const { return list->widget(); }
    // The scroll bar as the list leaves it for the next turn of the event loop: rows added together
    // are laid out once, then.
    QScrollBar* scrollBar() const
    {
        QCoreApplication::sendPostedEvents(widget());
        return widget()->findChild<QScrollBar*>();
    }
    void addRows(int count)
    {
        for (int i = 0; i < count; ++i)
            list->AddRow(fw::String(("row " + std::to_string(i)).c_str()));
    }
    QImage rendered() const { return pixels::ofWidget(widget()); }

    OnWindow<fw::Listbox> placed;
    fw::Ref<fw::Listbox> list;
};

class Tracked : public fw::Object {
public:
    void Constructor(fw::Listbox* list, int32_t* countAtDestruction)
    {
        m_list = list;
        m_count = countAtDestruction;
    }
    ~Tracked() override { *m_count = m_list->ListCount(); }

private:
    fw::Listbox* m_list = nullptr;
    int32_t* m_count = nullptr;
};

TEST_F(ListboxTest, AddRowAppendsARowWithItsFirstCellsText)
{
    EXPECT_EQ(list->LastIndex(), -1);
    EXPECT_EQ(list->ListCount(), 0);
    addRows(2);
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->LastIndex(), 1);
    EXPECT_EQ(list->Cell(1, 0).bytes(), "row 1");
}

TEST_F(ListboxTest, CellTagsHoldEachKindOfValue)
{
    addRows(1);
    fw::Ref<fw::Object> object = fw::New<fw::Object>();
    list->setCellTag(0, 0, 5);
    EXPECT_EQ(*list->CellTag(0, 0).get<int32_t>(), 5);
    list->setCellTag(0, 0, "text");
    EXPECT_EQ(list->CellTag(0, 0).get<fw::String>()->bytes(), "text");
    list->setCellTag(0, 0, true);
    EXPECT_TRUE(*list->CellTag(0, 0).get<bool>());
    list->setCellTag(0, 0, 2.5);
    EXPECT_EQ(*list->CellTag(0, 0).get<double>(), 2.5);
    EXPECT_TRUE(list->CellTag(0, 0).objectValue().isNil());
    list->setCellTag(0, 0, object);
    EXPECT_TRUE(list->CellTag(0, 0).objectValue() == object);
    EXPECT_EQ(object->refCount(), 2);
    list->setCellTag(0, 0, fw::Variant());
    EXPECT_TRUE(list->CellTag(0, 0).isEmpty());
    EXPECT_EQ(object->refCount(), 1);
}

TEST_F(ListboxTest, CellsOutOfRangeReadEmptyAndIgnoreWrites)
{
    addRows(2);
    list->setCellTag(0, 0, 7);
    list->setSelected(0, true);
    settle();
    PaintRecorder paints(widget());
    const Cell missing[] = { { -1, 0 }, { 2, 0 }, { 0, 1 }, { 0, -1 }, { INT32_MAX, 0 } };
    for (auto [row, column] : missing) {
        SCOPED_TRACE(std::to_string(row) + "," + std::to_string(column));
        EXPECT_TRUE(list->CellTag(row, column).isEmpty());
        EXPECT_TRUE(list->Cell(row, column).isEmpty());
        const bool rowExists = row == 0;
        EXPECT_EQ(list->Selected(row), rowExists);
        list->setCellTag(row, column, 9);
        list->setCell(row, column, "x");
        list->setSelected(row, true);
        list->InvalidateCell(row, column);
        EXPECT_EQ(list->ColumnAlignment(column == 0 ? 1 : column), 0);
    }
    settle();
    EXPECT_TRUE(paints.regions.empty());
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(*list->CellTag(0, 0).get<int32_t>(), 7);
    EXPECT_TRUE(list->CellTag(1, 0).isEmpty());
    EXPECT_EQ(list->ListIndex(), 0);
}

TEST_F(ListboxTest, ColumnCountStaysBetweenOneAndTheMaximum)
{
    addRows(1);
    const struct {
        int32_t set, expected;
    } cases[] = {
        { INT32_MIN, 1 },
        { 0, 1 },
        { 3, 3 },
        { fw::Listbox::maxColumnCount, fw::Listbox::maxColumnCount },
        { fw::Listbox::maxColumnCount + 1, fw::Listbox::maxColumnCount },
        { INT32_MAX, fw::Listbox::maxColumnCount },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        list->setColumnCount(c.set);
        EXPECT_EQ(list->ColumnCount(), c.expected);
        // The last column holds a cell; the one after it does not exist.
        list->setCell(0, c.expected - 1, "last");
        EXPECT_EQ(list->Cell(0, c.expected - 1), "last");
        list->setCell(0, c.expected, "past");
        EXPECT_TRUE(list->Cell(0, c.expected).isEmpty());
    }
}

TEST_F(ListboxTest, SelectionIsSingle)
{
    addRows(3);
    list->setSelected(0, true);
    list->setSelected(2, true);
    EXPECT_FALSE(list->Selected(0));
    EXPECT_TRUE(list->Selected(2));
    EXPECT_EQ(list->ListIndex(), 2);
    list->setSelected(0, false);
    EXPECT_EQ(list->ListIndex(), 2);
    list->setSelected(2, false);
    EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ListboxTest, DeleteAllRowsReleasesWhatTheTagsHoldAfterEmptyingTheList)
{
    addRows(3);
    int32_t countSeen = -1;
    list->setCellTag(2, 0, fw::New<Tracked>(list.get(), &countSeen));
    list->setSelected(1, true);
    PaintRecorder paints(widget());
    list->DeleteAllRows();
    EXPECT_EQ(countSeen, 0);
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->LastIndex(), -1);
    EXPECT_EQ(list->ListIndex(), -1);
    settle();
    EXPECT_FALSE(paints.regions.empty());
}

TEST_F(ListboxTest, MouseDownGetsThePressFromTheListsCornerAndTrueTakesIt)
{
    addRows(3);
    std::vector<Cell> downs;
    std::vector<Cell> clicks;
    bool take = false;
    list->MouseDown.bind([&](int32_t x, int32_t y) {
        downs.push_back({ x, y });
        return take;
    });
    list->CellClick.bind([&](int32_t row, int32_t, int32_t, int32_t) {
        clicks.push_back({ row, 0 });
        return false;
    });
    const struct {
        int x, y;
        bool take;
        int clicks;
        int32_t selected;
    } cases[] = {
        { 7, 5, false, 0, -1 }, // the heading band
        { 7, 45, true, 0, -1 }, // taken
        { 50, 45, false, 1, 1 },
        { 9, 70, false, 2, 2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        take = c.take;
        press(widget(), c.x, c.y);
        EXPECT_EQ(downs.back(), Cell(c.x, c.y));
        EXPECT_EQ(static_cast<int>(clicks.size()), c.clicks);
        EXPECT_EQ(list->ListIndex(), c.selected);
    }
}

TEST_F(ListboxTest, CellClickGetsTheCellAndThePositionWithinIt)
{
    list->setColumnCount(2);
    addRows(2);
    struct Click {
        int32_t row, column, x, y;
    };
    std::vector<Click> clicks;
    bool take = false;
    list->CellClick.bind([&](int32_t row, int32_t column, int32_t x, int32_t y) {
        clicks.push_back({ row, column, x, y });
        return take;
    });
    const struct {
        int x, y;
        bool take;
        std::optional<Click> expected;
        int32_t selected;
    } cases[] = {
        { 3, 21, false, Click { 0, 0, 3, 1 }, 0 },
        { 63, 47, true, Click { 1, 1, 13, 7 }, 0 }, // taken: the selection stays
        { 63, 47, false, Click { 1, 1, 13, 7 }, 1 }, { 30, 10, false, std::nullopt, 1 }, // the heading
        { 30, 65, false, std::nullopt, 1 }, // below the last row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        clicks.clear();
        take = c.take;
        press(widget(), c.x, c.y);
        ASSERT_EQ(clicks.size(), c.expected ? 1u : 0u);
        if (c.expected) {
            EXPECT_EQ(clicks[0].row, c.expected->row);
            EXPECT_EQ(clicks[0].column, c.expected->column);
            EXPECT_EQ(clicks[0].x, c.expected->x);
            EXPECT_EQ(clicks[0].y, c.expected->y);
        }
        EXPECT_EQ(list->ListIndex(), c.selected);
    }
}

TEST_F(ListboxTest, AClickHandlerMayRemoveTheRows)
{
    addRows(3);
    list->CellClick.bind([&](int32_t, int32_t, int32_t, int32_t) {
        list->DeleteAllRows();
        return false;
    });
    press(widget(), 10, 30);
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ListboxTest, AnExceptionFromAHandlerGoesToTheLoopNotThroughQt)
{
    addRows(1);
    list->CellClick.bind([](int32_t, int32_t, int32_t, int32_t) -> bool { throw fw::NilObjectException(); });
    press(widget(), 10, 30);
    EXPECT_TRUE(fw::Runtime::quitRequested());
    EXPECT_THROW(fw::Runtime::rethrowPending(), fw::NilObjectException);
}

TEST_F(ListboxTest, InvalidateCellRepaintsThatCellOnly)
{
    list->setColumnCount(2);
    addRows(3);
    settle();
    std::set<Cell> backgrounds;
    std::set<Cell> texts;
    list->CellBackgroundPaint.bind([&](fw::Ref<fw::Graphics>, int32_t row, int32_t column) {
        backgrounds.insert({ row, column });
        return false;
    });
    list->CellTextPaint.bind([&](fw::Ref<fw::Graphics>, int32_t row, int32_t column, int32_t, int32_t) {
        texts.insert({ row, column });
        return false;
    });
    PaintRecorder paints(widget());
    list->InvalidateCell(1, 1);
    EXPECT_TRUE(paints.regions.empty()); // the repaint comes from the event loop
    settle();
    ASSERT_FALSE(paints.regions.empty());
    for (const QRegion& region : paints.regions)
        EXPECT_EQ(region, QRegion(50, 40, 50, 20));
    EXPECT_EQ(backgrounds, std::set<Cell> { Cell(1, 1) });
    EXPECT_EQ(texts, std::set<Cell> { Cell(1, 1) });
}

TEST_F(ListboxTest, EverySlotGetsABackgroundAndOnlyRowsGetText)
{
    addRows(2);
    list->setSelected(1, true);
    std::set<int32_t> backgrounds;
    std::set<int32_t> texts;
    list->CellBackgroundPaint.bind([&](fw::Ref<fw::Graphics> g, int32_t row, int32_t) {
        EXPECT_EQ(g->Width(), 100);
        EXPECT_EQ(g->Height(), 20);
        backgrounds.insert(row);
        return false;
    });
    list->CellTextPaint.bind([&](fw::Ref<fw::Graphics>, int32_t row, int32_t, int32_t, int32_t) {
        texts.insert(row);
        return true; // drawn: nothing
    });
    const QImage image = rendered();
    EXPECT_EQ(backgrounds, (std::set<int32_t> { 0, 1, 2, 3, 4, 5 }));
    EXPECT_EQ(texts, (std::set<int32_t> { 0, 1 }));
    const uint32_t highlight = widget()->palette().color(QPalette::Highlight).rgb() & 0xFFFFFF;
    EXPECT_EQ(pixels::at(image, 50, 30).value, 0xFFFFFFu); // row 0
    EXPECT_EQ(pixels::at(image, 50, 50).value, highlight); // row 1, selected
    EXPECT_EQ(pixels::at(image, 50, 70).value, 0xFFFFFFu); // below the last row
    EXPECT_EQ(pixels::at(image, 99, 120).value, 0xFFFFFFu);
    EXPECT_EQ(pixels::at(image, 50, 19).value, 0x999999u); // the heading's bottom line
    EXPECT_EQ(pixels::at(image, 99, 2).value, 0xEEEEEEu);
}

TEST_F(ListboxTest, TheStyleAPaintHandlerSetsCarriesIntoTheListsOwnDrawing)
{
    list->AddRow("MMMMMMMM");
    list->setTextSize(16);
    list->setBold(true);
    list->CellBackgroundPaint.bind([](fw::Ref<fw::Graphics> g, int32_t row, int32_t) {
        g->setForeColor(fw::Color { 0x0000FF });
        g->FillRect(0, 0, g->Width(), g->Height());
        return row == 0;
    });
    int32_t sizeSeen = 0;
    bool boldSeen = false;
    list->CellTextPaint.bind([&](fw::Ref<fw::Graphics> g, int32_t, int32_t, int32_t, int32_t) {
        sizeSeen = g->TextSize();
        boldSeen = g->Bold();
        g->setForeColor(fw::Color { 0xFF0000 });
        return false;
    });
    const QImage image = rendered();
    EXPECT_EQ(sizeSeen, 16);
    EXPECT_TRUE(boldSeen);
    int red = 0;
    int white = 0;
    for (int y = 20; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.blue() < 60;
            white += (c.rgb() & 0xFFFFFF) == 0xFFFFFF;
        }
    }
    EXPECT_GT(red, 10); // the text, in the handler's colour
    EXPECT_EQ(white, 0); // True: no background of the list's own
    EXPECT_EQ(pixels::at(image, 50, 50).value, 0xFFFFFFu); // False below the last row: the list's white
}

TEST_F(ListboxTest, TheScrollBarShowsOnlyWhileTheRowsDoNotFit)
{
    const struct {
        int rows;
        bool autoHide, vertical, shown;
    } cases[] = {
        { 5, true, true, false },
        { 6, true, true, true },
        { 0, false, true, true },
        { 20, true, false, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        list->DeleteAllRows();
        list->setAutoHideScrollbars(c.autoHide);
        list->setScrollBarVertical(c.vertical);
        addRows(c.rows);
        EXPECT_EQ(!scrollBar()->isHidden(), c.shown);
    }
    list->setAutoHideScrollbars(true);
    list->setScrollBarVertical(true);
    list->DeleteAllRows();
    addRows(6);
    EXPECT_FALSE(scrollBar()->isHidden());
    list->DeleteAllRows();
    EXPECT_TRUE(scrollBar()->isHidden());
}

TEST_F(ListboxTest, RowsAddedTogetherAreLaidOutOnceAndPaintedAtTheNextTurn)
{
    QScrollBar* bar = scrollBar();
    int rangeChanges = 0;
    QObject::connect(bar, &QScrollBar::rangeChanged, [&] { ++rangeChanges; });
    std::set<int32_t> texts;
    list->CellTextPaint.bind([&](fw::Ref<fw::Graphics>, int32_t row, int32_t, int32_t, int32_t) {
        texts.insert(row);
        return false;
    });
    addRows(50);
    settle();
    EXPECT_EQ(rangeChanges, 1);
    EXPECT_EQ(bar->maximum(), 45); // five rows whole below the heading
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(texts, (std::set<int32_t> { 0, 1, 2, 3, 4, 5 }));

    // What reads the layout before that turn finds it already made: a sixth row brings the scroll
    // bar, and a press where it now lies is no press on a row.
    list->DeleteAllRows();
    addRows(5);
    settle();
    int32_t clicked = -1;
    list->CellClick.bind([&](int32_t row, int32_t, int32_t, int32_t) {
        clicked = row;
        return true;
    });
    list->AddRow("a sixth");
    press(widget(), widget()->width() - 2, 25);
    EXPECT_EQ(clicked, -1);
    press(widget(), 10, 25);
    EXPECT_EQ(clicked, 0);
}

// Emptied and filled again in one turn, as a reload does it, the list shows from its first row: an
// empty list has nothing to scroll, whatever comes before the next turn.
TEST_F(ListboxTest, RowsAddedRightAfterDeleteAllRowsShowFromTheFirst)
{
    addRows(20);
    scrollBar()->setValue(10);
    settle();
    std::set<int32_t> texts;
    list->CellTextPaint.bind([&](fw::Ref<fw::Graphics>, int32_t row, int32_t, int32_t, int32_t) {
        texts.insert(row);
        return false;
    });
    list->DeleteAllRows();
    addRows(20);
    settle();
    EXPECT_EQ(scrollBar()->value(), 0);
    EXPECT_EQ(scrollBar()->maximum(), 15);
    EXPECT_EQ(texts, (std::set<int32_t> { 0, 1, 2, 3, 4, 5 }));
}

TEST_F(ListboxTest, RefreshRepaintsTheRowsAndLeavesTheScrollBarAlone)
{
    addRows(20);
    settle();
    ASSERT_FALSE(scrollBar()->isHidden());
    PaintRecorder listPaints(widget());
    PaintRecorder barPaints(scrollBar());
    list->Refresh();
    settle();
    ASSERT_FALSE(listPaints.regions.empty());
    QRegion painted;
    for (const QRegion& region : listPaints.regions)
        painted += region;
    EXPECT_EQ(painted,
        QRegion(0, 0, widget()->width() - scrollBar()->width(), widget()->height())
            + QRegion(0, 0, widget()->width(), 20));
    EXPECT_TRUE(barPaints.regions.empty());

    scrollBar()->setValue(3); // a change the bar shows
    settle();
    EXPECT_FALSE(barPaints.regions.empty());
}

TEST_F(ListboxTest, TheWheelAndTheBarScrollTheRows)
{
    addRows(10);
    std::vector<int32_t> clicked;
    list->CellClick.bind([&](int32_t row, int32_t, int32_t, int32_t) {
        clicked.push_back(row);
        return true;
    });
    scrollBar()->setValue(3);
    press(widget(), 10, 25);
    EXPECT_EQ(clicked.back(), 3);
    scrollBar()->setValue(0);
    const QPointF at(10, 50);
    QWheelEvent wheel(at, widget()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget(), &wheel);
    const int top = scrollBar()->value();
    EXPECT_GT(top, 0);
    press(widget(), 10, 25);
    EXPECT_EQ(clicked.back(), top);
    EXPECT_EQ(scrollBar()->maximum(), 5); // the last row whole at the bottom
}

} // namespace
