#include "tests/support/After.h"
#include "tests/support/Captions.h"
#include "tests/support/ListSupport.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScriptFolder.h"
#include "tests/support/TemporaryRuntimeDirectory.h"

#include "app/Pictures.h"
#include "framework/BevelButton.h"
#include "framework/Picture.h"
#include "framework/Window.h"
#include "framework/WindowList.h"
#include "framework/qt/ControlWidget.h"
#include "framework/qt/ListboxWidget.h"
#include "framework/qt/PictureImage.h"
#include "framework/qt/WindowWidget.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"
#include "platform/CarbonEvents.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"

#include <QImage>
#include <QWheelEvent>
#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr fw::Color windowBack { 0xE8E8E8 };
constexpr fw::Color headingLine { 0x999999 };
// On the list's heading line, clear of the heading's text, in window coordinates.
constexpr int lineX = 100;
constexpr int lineY = 2 + 19;

// The palette window opened as the program opens it, then put on screen so that its widgets are
// laid out, resized and painted as the user sees them. The window's event directory and folder are
// the test's own.
class WindowHandlers : public PaletteFixture {
protected:
    void TearDown() override
    {
        list = nullptr;
        window = nullptr;
        PaletteFixture::TearDown();
    }

    void open()
    {
        window = startWithoutLoop();
        list = window->CustomCellListbox1();
        fw::WindowList::openPending();
        window->Show();
        settle();
    }

    // The user's resize of the window, through Qt.
    void userResize(int width, int height)
    {
        window->widget()->resize(width, height);
        settle();
    }

    QImage face() const { return pixels::ofWidget(window->widget()); }

    bool listShown() const
    {
        EXPECT_EQ(list->Visible(), list->widget()->isVisibleTo(window->widget()));
        return list->Visible();
    }

    ScriptFolder folder;
    fw::Ref<Window1> window;
    fw::Ref<CustomCellListbox> list;
};

// The list's Open centres its column and sets its cellcolor, which nothing paints with: read back.
TEST_F(WindowHandlers, TheListsOpenCentresItsColumnAndSetsItsCellColor)
{
    window = startWithoutLoop();
    list = window->CustomCellListbox1();
    ASSERT_EQ(list->cellcolor, fw::Color { 0x000000 });
    fw::WindowList::openPending();
    EXPECT_EQ(list->cellcolor, fw::Color { 0xBDBBBD });
    EXPECT_EQ(list->ColumnAlignment(0), 2);
}

TEST_F(WindowHandlers, APressCollapsesAbove25AndRestoresAtOrBelowIt)
{
    open();
    const struct {
        int32_t height;
        bool listBefore;
        int32_t heightAfter, meHeightAfter;
        bool listAfter;
    } cases[] = {
        { 26, true, 25, 26, false }, { 148, true, 25, 148, false },
        // Never collapsed: the restore gives the first height.
        { 25, false, 148, 148, true }, { 25, true, 148, 148, true }, { 1, false, 148, 148, true },
        { -1, false, 148, 148, true }, // a signed comparison
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.height);
        window->MeHeight = 148;
        window->setHeight(c.height);
        list->setVisible(c.listBefore);
        clickButton(window->BevelButton2());
        EXPECT_EQ(window->Height(), c.heightAfter);
        EXPECT_EQ(window->widget()->height(), c.heightAfter);
        EXPECT_EQ(window->MeHeight, c.meHeightAfter);
        EXPECT_EQ(listShown(), c.listAfter);
        EXPECT_EQ(window->Width(), 130);
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WindowHandlers, TwoPressesCollapseToTheButtonsAndRestoreTheList)
{
    open();
    const QPoint place = window->widget()->pos();
    ASSERT_EQ(pixels::at(face(), lineX, lineY), headingLine);

    clickButton(window->BevelButton2());
    settle();
    EXPECT_EQ(window->MeHeight, 148);
    EXPECT_EQ(window->Height(), 25);
    EXPECT_FALSE(listShown());
    QImage collapsed = face();
    EXPECT_EQ(collapsed.height(), 25);
    EXPECT_EQ(pixels::at(collapsed, lineX, lineY), windowBack);
    // The buttons sit whole 3 pixels above the bottom edge and take a real click there.
    for (const fw::Ref<fw::BevelButton>& button :
        { window->BevelButton1(), window->BevelButton2(), window->BevelButton3() }) {
        EXPECT_EQ(button->widget()->geometry().top(), 2) << button->Name.bytes();
        EXPECT_EQ(button->widget()->geometry().bottom(), 21) << button->Name.bytes();
    }
    clickButton(window->BevelButton2());
    settle();
    EXPECT_EQ(window->Height(), 148);
    EXPECT_EQ(window->MeHeight, 148);
    EXPECT_TRUE(listShown());
    EXPECT_EQ(list->widget()->geometry(), QRect(4, 2, 122, 121));
    EXPECT_EQ(window->BevelButton1()->widget()->geometry().top(), 125);
    EXPECT_EQ(window->widget()->pos(), place);
    EXPECT_EQ(pixels::at(face(), lineX, lineY), headingLine);
}

TEST_F(WindowHandlers, ACollapseKeepsTheHeightTheUserGave)
{
    open();
    userResize(130, 200);
    ASSERT_EQ(window->Height(), 200);
    clickButton(window->BevelButton2());
    EXPECT_EQ(window->MeHeight, 200);
    EXPECT_EQ(window->Height(), 25);
    clickButton(window->BevelButton2());
    settle();
    EXPECT_EQ(window->Height(), 200);
    EXPECT_EQ(window->widget()->height(), 200);
    EXPECT_EQ(list->Height(), 173);
    EXPECT_TRUE(listShown());
}

TEST_F(WindowHandlers, AUserResizeOfACollapsedWindowShowsTheListAndKeepsMeHeight)
{
    open();
    clickButton(window->BevelButton2());
    settle();
    ASSERT_FALSE(listShown());
    userResize(130, 26);
    EXPECT_EQ(window->Height(), 26);
    EXPECT_TRUE(listShown());
    EXPECT_EQ(window->MeHeight, 148);
    userResize(130, 60);
    EXPECT_EQ(pixels::at(face(), lineX, lineY), headingLine);
    EXPECT_EQ(window->MeHeight, 148);
    // Expanded again: the next press collapses and keeps the new height.
    clickButton(window->BevelButton2());
    EXPECT_EQ(window->MeHeight, 60);
    EXPECT_EQ(window->Height(), 25);
    EXPECT_FALSE(listShown());
}

TEST_F(WindowHandlers, AResizeAtOrBelow25LeavesTheListAsItWas)
{
    open();
    const struct {
        const char* name;
        int32_t height;
        bool collapse;
        bool list;
    } cases[] = {
        { "collapsed", 148, true, false },
        { "set to 25 by the program", 25, false, true },
        { "set to 20 by the program", 20, false, true },
    };
    int width = 130;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window->setHeight(c.height);
        if (c.collapse)
            clickButton(window->BevelButton2());
        settle();
        ASSERT_EQ(listShown(), c.list);
        width += 10;
        userResize(width, window->Height());
        ASSERT_EQ(window->Width(), width) << "the user's resize reached the window";
        EXPECT_LE(window->Height(), 25);
        EXPECT_EQ(listShown(), c.list);
        list->setVisible(true);
        window->setHeight(148);
    }
}

// A press in the list's top DefaultRowHeight pixels is taken by the window, whether or not the
// heading is there and however high the rows are; below it the list handles the press.
TEST_F(WindowHandlers, PressesInTheHeadingBandReachNeitherCellsNorSelection)
{
    open();
    const struct {
        const char* name;
        bool heading;
        int32_t rowHeight;
        int y;
        int clickedRow; // -1: no cell click and no selection
    } cases[] = {
        { "heading, in its middle", true, 20, 10, -1 },
        { "heading, last line", true, 20, 19, -1 },
        { "heading, first row", true, 20, 20, 0 },
        { "no heading, first row's top", false, 20, 10, -1 },
        { "no heading, first row's last line", false, 20, 19, -1 },
        { "no heading, second row", false, 20, 20, 1 },
        { "higher rows, inside the band", false, 30, 29, -1 },
        { "higher rows, below the band", false, 30, 30, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list->DeleteAllRows();
        list->setHasHeading(c.heading);
        list->setDefaultRowHeight(c.rowHeight);
        std::vector<std::string> log;
        for (int i = 0; i < 3; ++i) {
            list->AddRow("");
            list->customCell(list->LastIndex(), 0, fw::New<RecordingCell>(&log, false, i));
        }
        settle();
        log.clear();
        press(list->widget(), 30, c.y);
        if (c.clickedRow < 0) {
            EXPECT_TRUE(log.empty()) << log.front();
            EXPECT_EQ(list->ListIndex(), -1);
        } else {
            EXPECT_EQ(log.size(), 1u);
            EXPECT_EQ(list->ListIndex(), c.clickedRow);
        }
    }
    // x plays no part, and a negative y lies in the band.
    list->setDefaultRowHeight(20);
    const struct {
        int32_t x, y;
        bool taken;
    } direct[] = { { -5, 19, true }, { 100000, 19, true }, { 30, -1, true }, { 30, INT32_MIN, true },
        { -5, 20, false }, { 30, INT32_MAX, false } };
    for (const auto& [x, y, taken] : direct)
        EXPECT_EQ(list->Event_MouseDown(x, y), taken) << x << "," << y;
}

TEST_F(WindowHandlers, ReloadReadsTheFolderAnew)
{
    folder.write("Alpha.rbs");
    folder.write("Beta.rbs");
    open();
    ASSERT_TRUE(rowsHoldCaptions(list, { "Alpha", "Beta" }));
    fw::Ref<fw::Object> oldBeta = list->CellTag(1, 0).objectValue();

    std::filesystem::remove(folder.pathOf("Alpha.rbs"));
    folder.write("Gamma.rbs");
    folder.write("notes.txt");
    clickButton(window->BevelButton1());
    EXPECT_TRUE(rowsHoldCaptions(list, { "Beta", "Gamma" }));
    EXPECT_FALSE(list->CellTag(0, 0).objectValue() == oldBeta) << "each reading makes new cells";

    clickButton(window->BevelButton1());
    EXPECT_TRUE(rowsHoldCaptions(list, { "Beta", "Gamma" })) << "no row twice";
    EXPECT_TRUE(messages.texts.empty());
}

// The reload deletes every row before it lists the folder again, so a list scrolled down shows from its
// first row again.
TEST_F(WindowHandlers, ReloadShowsTheListFromItsFirstRowAfterAScroll)
{
    std::vector<std::string> scripts;
    for (int i = 0; i < 30; ++i) {
        scripts.push_back("script " + std::to_string(10 + i));
        folder.write(scripts.back() + ".rbs");
    }
    open();
    const auto* view = static_cast<const fw::qt::ListboxWidget*>(list->widget());
    const QPointF at(60, 60);
    QWheelEvent wheel(at, list->widget()->mapToGlobal(at), QPoint(), QPoint(0, -3 * 120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->widget(), &wheel);
    ASSERT_GT(view->topRow(), 0);

    clickButton(window->BevelButton1());
    EXPECT_TRUE(rowsHoldCaptions(list, scripts));
    EXPECT_EQ(view->topRow(), 0);
    settle();
    EXPECT_EQ(view->topRow(), 0);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WindowHandlers, TheButtonsOpenGivesThemTheirIconsAgain)
{
    window = startWithoutLoop();
    list = window->CustomCellListbox1();
    const struct {
        fw::Ref<fw::BevelButton> button;
        fw::Ref<fw::Picture> (*getter)();
    } cases[] = { { window->BevelButton1(), &::Reload }, { window->BevelButton2(), &::Close },
        { window->BevelButton3(), &::folder } };
    for (const auto& c : cases)
        c.button->setIcon(nullptr);
    fw::WindowList::openPending();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button->Name.bytes());
        ASSERT_TRUE(c.button->Icon());
        EXPECT_TRUE(c.button->Icon() == c.getter());
    }
    // The Reload picture is not the Close one: each button has its own.
    EXPECT_FALSE(window->BevelButton1()->Icon() == window->BevelButton2()->Icon());
}

TEST_F(WindowHandlers, TheWindowsOpenHidesItEvenWithTheIdeInFront)
{
    ASSERT_TRUE(fw::platform::bringToFront(fw::platform::fourCC("RBv2")));
    window = startWithoutLoop();
    list = window->CustomCellListbox1();
    window->Show();
    // Another window of the IDE, hidden: the Open's check of the windows shows it.
    fw::Ref<fw::Window> other = fw::New<fw::Window>();
    other->Constructor();
    other->FloaterProcess = "RBv2";
    other->setVisible(false);
    fw::WindowList::openPending();
    EXPECT_EQ(window->FloaterProcess.bytes(), "RBv2");
    EXPECT_TRUE(other->Visible());
    EXPECT_FALSE(window->Visible());
    EXPECT_FALSE(window->widget()->isVisible());
}

TEST_F(WindowHandlers, AfterStartUpWithTheIdeInFrontThePaletteIsShown)
{
    ASSERT_TRUE(fw::platform::bringToFront(fw::platform::fourCC("RBv2")));
    window = startWithoutLoop();
    list = window->CustomCellListbox1();
    auto quit = after(20, [] { Global::App()->Quit(); });
    fw::_RuntimeRun();
    EXPECT_TRUE(window->Visible());
    EXPECT_TRUE(window->widget()->isVisible());
    EXPECT_TRUE(messages.texts.empty());
}

} // namespace
