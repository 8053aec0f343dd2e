#include "tests/support/After.h"
#include "tests/support/ListSupport.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/Pixels.h"

#include "app/Class2.h"
#include "framework/Timer.h"
#include "framework/qt/ControlWidget.h"
#include "framework/qt/WindowWidget.h"
#include "list/CustomCellListbox.h"

#include <algorithm>
#include <optional>

namespace {

// A custom-cell list that writes down which rows' tags it reads and lets its gradient be called.
class WatchedList : public CustomCellListbox {
public:
    using CustomCellListbox::gradient;
    fw::Variant CellTag(int32_t row, int32_t column) const override
    {
        tagReads.push_back(row);
        return CustomCellListbox::CellTag(row, column);
    }
    mutable std::vector<int32_t> tagReads;
};

constexpr uint32_t untouched = 0x00FF00;

// The palette window as start-up makes it, with its list shown so that repaints happen.
class CustomCellListboxTest : public PaletteFixture {
protected:
    void SetUp() override
    {
        PaletteFixture::SetUp();
        window = startWithoutLoop();
        list = window->CustomCellListbox1();
        window->widget()->show();
        settle();
    }
    void TearDown() override
    {
        list = nullptr;
        window = nullptr;
        PaletteFixture::TearDown();
    }

    fw::Ref<RecordingCell> addCell(bool handlesClick, int32_t value = 0)
    {
        list->AddRow("");
        fw::Ref<RecordingCell> cell = fw::New<RecordingCell>(&log, handlesClick, value);
        list->customCell(list->LastIndex(), 0, cell);
        return cell;
    }
    fw::Ref<TestButtonsCell> addButton()
    {
        list->AddRow("");
        fw::Ref<TestButtonsCell> cell = fw::New<TestButtonsCell>(&log);
        list->customCell(list->LastIndex(), 0, cell);
        return cell;
    }
    // Whether the row's cell object was painted by the repaints that were asked for.
    bool repainted(int32_t row)
    {
        settle();
        const std::string prefix = "cellPaint " + std::to_string(row);
        return std::any_of(
            log.begin(), log.end(), [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
    }
    size_t indexOf(const std::string& entry) const
    {
        return static_cast<size_t>(std::find(log.begin(), log.end(), entry) - log.begin());
    }
    fw::Ref<Class2> timer() const { return window->Class21(); }

    fw::Ref<Window1> window;
    fw::Ref<CustomCellListbox> list;
    std::vector<std::string> log;
};

TEST_F(CustomCellListboxTest, CustomCellStoresTheCellThenTellsItItsOwnerOnce)
{
    list->AddRow("");
    fw::Ref<RecordingCell> cell = fw::New<RecordingCell>(&log, true, 0);
    bool storedFirst = false;
    cell->onOwner = [&] { storedFirst = list->CellTag(0, 0).objectValue() == cell; };
    list->customCell(0, 0, cell);
    EXPECT_TRUE(storedFirst);
    EXPECT_EQ(log, std::vector<std::string> { "owner" });
    EXPECT_EQ(cell->owners, std::vector<CustomCellListbox*> { list.get() });
}

TEST_F(CustomCellListboxTest, CustomCellWithNilStoresNilAndRaises)
{
    list->AddRow("");
    list->setCellTag(0, 0, 5);
    EXPECT_THROW(list->customCell(0, 0, nullptr), fw::NilObjectException);
    EXPECT_EQ(list->CellTag(0, 0).get<int32_t>(), nullptr);
    EXPECT_TRUE(list->CellTag(0, 0).objectValue().isNil());
}

TEST_F(CustomCellListboxTest, AClickGoesToTheCellObjectAndOnByItsAnswer)
{
    enum class Tag { None, Number, PlainObject, Cell };
    const struct {
        const char* name;
        Tag tag;
        bool cellHandles;
        std::optional<bool> cellClickHandler; // bound, with this result
        bool customHandler;
        bool result;
        bool cellClickRaised;
        bool customRaised;
        bool invalidated;
    } cases[] = {
        { "empty tag", Tag::None, false, true, true, false, false, false, false },
        { "number tag", Tag::Number, false, true, true, false, false, false, false },
        { "object that is no cell", Tag::PlainObject, true, true, true, false, false, false, false },
        { "not handled, no handler", Tag::Cell, false, std::nullopt, true, false, false, false, false },
        { "not handled, handler True", Tag::Cell, false, true, true, true, true, false, false },
        { "not handled, handler False", Tag::Cell, false, false, true, false, true, false, false },
        { "handled", Tag::Cell, true, true, true, true, false, true, true },
        { "handled, no handler", Tag::Cell, true, true, false, true, false, false, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list->DeleteAllRows();
        list->AddRow("");
        fw::Ref<RecordingCell> cell;
        if (c.tag == Tag::Number)
            list->setCellTag(0, 0, 3);
        else if (c.tag == Tag::PlainObject)
            list->setCellTag(0, 0, fw::New<fw::Object>());
        else if (c.tag == Tag::Cell) {
            cell = fw::New<RecordingCell>(&log, c.cellHandles, 0);
            list->customCell(0, 0, cell);
        }
        std::vector<CustomListboxCell*> cellClicks;
        std::vector<CustomListboxCell*> customClicks;
        list->CellClick.unbind();
        if (c.cellClickHandler)
            list->CellClick.bind([&, answer = *c.cellClickHandler](fw::Ref<CustomListboxCell> got) {
                cellClicks.push_back(got.get());
                return answer;
            });
        list->CustomCellClick.unbind();
        if (c.customHandler)
            list->CustomCellClick.bind(
                [&](fw::Ref<CustomListboxCell> got) { customClicks.push_back(got.get()); });
        settle();
        log.clear();

        EXPECT_EQ(list->Event_CellClick(0, 0, 3, 4), c.result);
        EXPECT_EQ(log.empty() ? "" : log.front(), cell ? "cellClick 3,4" : "");
        EXPECT_EQ(cellClicks,
            c.cellClickRaised ? std::vector<CustomListboxCell*> { cell.get() }
                              : std::vector<CustomListboxCell*> {});
        EXPECT_EQ(customClicks,
            c.customRaised ? std::vector<CustomListboxCell*> { cell.get() }
                           : std::vector<CustomListboxCell*> {});
        EXPECT_EQ(repainted(0), c.invalidated);
        EXPECT_FALSE(timer()->Go);
        EXPECT_EQ(timer()->Mode(), 0);
    }
}

TEST_F(CustomCellListboxTest, APressOnTheListReachesTheCellAndATakenClickSelectsNothing)
{
    fw::Ref<RecordingCell> first = addCell(true);
    fw::Ref<RecordingCell> second = addCell(false);
    press(list->widget(), 30, 27); // row 0
    EXPECT_EQ(log.back(), "cellClick 30,7");
    EXPECT_EQ(list->ListIndex(), -1);
    press(list->widget(), 10, 45); // row 1: not handled, so the list selects it
    EXPECT_EQ(log.back(), "cellClick 10,5");
    EXPECT_EQ(list->ListIndex(), 1);
    log.clear();
    press(list->widget(), 10, 5); // the heading band, taken by the window
    EXPECT_TRUE(log.empty());
}

TEST_F(CustomCellListboxTest, AButtonCellsClickShowsThePressFlashInOrder)
{
    fw::Ref<TestButtonsCell> cell = addButton();
    list->CustomCellClick.bind([&](fw::Ref<CustomListboxCell>) { log.push_back("CustomCellClick"); });
    // The press timer tells its receivers after each Action, which has cleared Go by then.
    struct TickLog : fw::ActionNotificationReceiver {
        explicit TickLog(std::vector<std::string>& log)
            : log(log)
        {
        }
        void PerformAction() override { log.push_back("tick"); }
        std::vector<std::string>& log;
    } ticks(log);
    timer()->addActionNotificationReceiver(&ticks);
    settle();
    log.clear();
    auto watch = after(0, [&] {
        log.push_back(std::string("waiting Go ") + (timer()->Go ? "True" : "False") + " Mode "
            + std::to_string(timer()->Mode()));
    });

    const bool result = list->Event_CellClick(0, 0, 1, 1);
    log.push_back("returned");
    settle();
    timer()->removeActionNotificationReceiver(&ticks);

    EXPECT_TRUE(result);
    EXPECT_EQ(cell->mycolor, ButtonsCell::normalColor);
    EXPECT_FALSE(timer()->Go);
    EXPECT_EQ(std::count(log.begin(), log.end(), "tick"), 1);
    EXPECT_TRUE(timer()->myBu.isNil());
    // Pressed, the handler's event, the first repaint (inside the wait, with the pressed face) and the
    // armed timer, its tick, the return once the tick has cleared Go, and after it the repaint with the
    // normal face.
    const size_t clicked = indexOf("cellClick");
    const size_t custom = indexOf("CustomCellClick");
    const size_t pressedPaint = indexOf("cellPaint 0 777777");
    const size_t armed = indexOf("waiting Go True Mode 1");
    const size_t tick = indexOf("tick");
    const size_t returned = indexOf("returned");
    const size_t normalPaint = indexOf("cellPaint 0 BDBBBD");
    ASSERT_LT(normalPaint, log.size());
    EXPECT_LT(clicked, custom);
    EXPECT_LT(custom, pressedPaint);
    EXPECT_LT(custom, armed);
    EXPECT_LT(pressedPaint, tick);
    EXPECT_LT(armed, tick);
    EXPECT_LT(tick, returned);
    EXPECT_LT(returned, normalPaint);
}

// The reload button removes every row and adds new ones; it can do so during the flash's wait.
TEST_F(CustomCellListboxTest, RowsReplacedDuringTheFlashAreLeftAlone)
{
    enum class Refill { Nothing, OtherCell, Number, NewButton };
    const struct {
        const char* name;
        Refill refill;
        bool repaintedAfter;
    } cases[] = {
        { "rows removed", Refill::Nothing, false },
        { "another kind of cell", Refill::OtherCell, true },
        { "a number", Refill::Number, true },
        { "a new button cell", Refill::NewButton, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list->DeleteAllRows();
        fw::Ref<TestButtonsCell> pressed = addButton();
        fw::Ref<TestButtonsCell> newButton;
        fw::Ref<RecordingCell> other;
        auto reload = after(20, [&] {
            list->DeleteAllRows();
            if (c.refill == Refill::OtherCell)
                other = addCell(false);
            else if (c.refill == Refill::Number) {
                list->AddRow("");
                list->setCellTag(0, 0, 1);
            } else if (c.refill == Refill::NewButton)
                newButton = addButton();
            settle();
            log.clear();
        });
        EXPECT_TRUE(list->Event_CellClick(0, 0, 1, 1));
        PaintRecorder paints(list->widget());
        settle();
        EXPECT_EQ(!paints.regions.empty(), c.repaintedAfter);
        EXPECT_FALSE(timer()->Go);
        EXPECT_EQ(pressed->mycolor, ButtonsCell::pressedColor); // no longer in the list: untouched
        if (newButton) {
            EXPECT_EQ(newButton->mycolor, ButtonsCell::normalColor);
        }
        EXPECT_FALSE(fw::Runtime::quitRequested());
    }
}

// The user may close the palette while a press flash waits: the wait ends, and no new window is made.
TEST_F(CustomCellListboxTest, ClosingTheWindowDuringTheFlashEndsTheWait)
{
    fw::Ref<TestButtonsCell> pressed = addButton();
    auto close = after(20, [&] { window->widget()->close(); });
    auto guard = after(patience, [&] {
        ADD_FAILURE() << "the wait did not end";
        timer()->Go = false;
    });
    EXPECT_TRUE(list->Event_CellClick(0, 0, 1, 1));
    EXPECT_FALSE(window->isOpen());
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
}

TEST_F(CustomCellListboxTest, CompareRowsSubtractsTheSortValuesWrapping)
{
    const struct {
        int32_t first, second, result;
    } cases[] = { { 7, 3, 4 }, { 3, 7, -4 }, { INT32_MIN, 1, INT32_MAX } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + " - " + std::to_string(c.second));
        list->DeleteAllRows();
        addCell(false, c.first);
        addCell(false, c.second);
        log.clear();
        int32_t result = 99;
        EXPECT_TRUE(list->Event_CompareRows(0, 1, 0, result));
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(log,
            (std::vector<std::string> {
                "compareValue " + std::to_string(c.first), "compareValue " + std::to_string(c.second) }));
    }
}

TEST_F(CustomCellListboxTest, CompareRowsWithoutTwoCellObjectsLeavesTheResult)
{
    auto placed = placeOnWindow<WatchedList>(100, 100, false);
    fw::Ref<WatchedList> watched = placed.control;
    watched->AddRow("");
    watched->AddRow("");
    watched->customCell(1, 0, fw::New<RecordingCell>(&log, false, 5));
    log.clear();
    int32_t result = 99;
    EXPECT_FALSE(watched->Event_CompareRows(0, 1, 0, result));
    EXPECT_EQ(result, 99);
    EXPECT_EQ(watched->tagReads, std::vector<int32_t> { 0 }); // row 2 is not looked at
    watched->tagReads.clear();
    EXPECT_FALSE(watched->Event_CompareRows(1, 0, 0, result));
    EXPECT_EQ(result, 99);
    EXPECT_EQ(watched->tagReads, (std::vector<int32_t> { 1, 0 }));
    EXPECT_TRUE(log.empty());
}

TEST_F(CustomCellListboxTest, AreasBelowTheLastRowGetTheWindowsBackColour)
{
    auto placed = placeOnWindow<WatchedList>(100, 100, false);
    fw::Ref<WatchedList> watched = placed.control;
    watched->AddRow("");
    watched->customCell(0, 0, fw::New<RecordingCell>(&log, false, 0));
    watched->tagReads.clear();
    log.clear();
    for (int32_t row : { 1, 6 }) {
        QImage image = pixels::filled(30, 20, fw::Color { untouched });
        fw::qt::ScopedGraphics g(image);
        watched->Event_cellBackgroundPaint(g.get(), row, 0);
        EXPECT_EQ(pixels::at(image, 0, 0).value, 0xE8E8E8u);
        EXPECT_EQ(pixels::at(image, 29, 19).value, 0xE8E8E8u);
    }
    EXPECT_TRUE(watched->tagReads.empty());
    EXPECT_TRUE(log.empty());
}

TEST_F(CustomCellListboxTest, ASelectedRowGetsTheGradientBeforeTheCellPaints)
{
    fw::Ref<RecordingCell> selected = addCell(false);
    fw::Ref<RecordingCell> plain = addCell(false);
    list->AddRow(""); // a row without a cell object
    list->setListIndex(0);
    const struct {
        int32_t row;
        bool selected;
        bool hasCell;
        uint32_t seenByCell; // the middle line when the cell paints
        uint32_t after;
    } cases[] = {
        { 0, true, true, 0x2890E0, 0x2890E0 },
        { 1, false, true, untouched, untouched },
        { 2, true, false, 0, 0x2890E0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        list->setListIndex(c.selected ? c.row : -1);
        QImage image = pixels::filled(30, 20, fw::Color { untouched });
        fw::qt::ScopedGraphics g(image);
        std::optional<uint32_t> seen;
        for (RecordingCell* cell : { selected.get(), plain.get() })
            cell->onPaint = [&](fw::Graphics&) { seen = pixels::at(image, 15, 10).value; };
        log.clear();
        list->Event_cellBackgroundPaint(g.get(), c.row, 0);
        EXPECT_EQ(seen.has_value(), c.hasCell);
        if (c.hasCell) {
            EXPECT_EQ(*seen, c.seenByCell);
            EXPECT_EQ(log, std::vector<std::string> { "cellPaint " + std::to_string(c.row) });
        }
        EXPECT_EQ(pixels::at(image, 15, 10).value, c.after);
    }
}

TEST_F(CustomCellListboxTest, TheGradientIsBlueOnlyWhenTheListIsActiveAndEnabled)
{
    const struct {
        const char* name;
        bool floating; // a floating window's controls are always active
        bool enabled;
        uint32_t line, middle, last;
    } cases[] = {
        { "active, enabled", true, true, 0x0F91E0, 0x2890E0, 0x0477D7 },
        { "active, disabled", true, false, 0x919191, 0x909090, 0x7B7B7B },
        { "inactive", false, true, 0x919191, 0x909090, 0x7B7B7B },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto placed = placeOnWindow<WatchedList>(100, 100, false);
        placed.window->setFrame(c.floating ? 7 : 0);
        placed.control->setEnabled(c.enabled);
        ASSERT_EQ(placed.control->Active(), c.floating);
        // A cell 40 x 20 at the top of a taller image: the gradient's last line, at y = 20, falls
        // outside the cell.
        QImage image = pixels::filled(40, 30, fw::Color { untouched });
        {
            AreaGraphics g(image, QRect(0, 0, 40, 20));
            placed.control->gradient(g.get());
        }
        EXPECT_EQ(pixels::at(image, 0, 0).value, c.line);
        EXPECT_EQ(pixels::at(image, 39, 0).value, c.line);
        EXPECT_EQ(pixels::at(image, 0, 10).value, c.middle);
        EXPECT_EQ(pixels::at(image, 39, 10).value, c.middle);
        EXPECT_EQ(pixels::at(image, 20, 19).value, c.last);
        EXPECT_EQ(pixels::at(image, 20, 20).value, untouched);
    }
}

} // namespace
