#include "tests/support/After.h"
#include "tests/support/PaletteFixture.h"
#include "tests/support/Pixels.h"

#include "app/Class2.h"
#include "app/Pictures.h"
#include "framework/BevelButton.h"
#include "framework/ClassRecord.h"
#include "framework/Picture.h"
#include "framework/RectControl.h"
#include "framework/ResourceFork.h"
#include "framework/Window.h"
#include "framework/WindowList.h"
#include "framework/qt/ControlWidget.h"
#include "framework/qt/PictureImage.h"
#include "framework/qt/WindowWidget.h"
#include "list/AlternatingList.h"
#include "list/CustomCellListbox.h"
#include "platform/CarbonEvents.h"
#include "platform/ProcessManager.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using StartUp = PaletteFixture;

TEST_F(StartUp, ClassRecordsAreBuiltOnceWithParentsFirst)
{
    Program::initialize();
    const auto& order = fw::ClassRecord::buildOrder();
    auto at = [&](const char* name) {
        auto found = std::find(order.begin(), order.end(), name);
        EXPECT_NE(found, order.end()) << name;
        return found - order.begin();
    };
    EXPECT_LT(at("Timer"), at("Class2"));
    EXPECT_LT(at("Class2"), at("Window1.Class21"));
    EXPECT_LT(at("CustomListboxCell"), at("ButtonsCell"));
    EXPECT_LT(at("App"), at("Window1.Window1"));
    EXPECT_LT(at("Window1.Window1"), at("MenuBar1.MenuBar1"));
    EXPECT_LT(at("AlternatingList"), at("CustomCellListbox"));
    const size_t built = order.size();
    Program::initialize();
    EXPECT_EQ(fw::ClassRecord::buildOrder().size(), built);
}

TEST_F(StartUp, MenuBarExistsBeforeTheWindowAndIsShared)
{
    Program::initialize();
    Program::_NewAppInstance();
    fw::Ref<App> app = Global::App();
    ASSERT_TRUE(app);
    ASSERT_TRUE(app->MenuBar());
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
    Program::_MakeDefaultView();
    fw::Ref<Window1> window = Global::Window1();
    EXPECT_TRUE(window->MenuBar() == app->MenuBar());
    EXPECT_TRUE(window->MenuBar() == Global::MenuBar1());
    EXPECT_TRUE(Global::App() == app);
}

TEST_F(StartUp, ThePaletteWindowIsMadeOnceHiddenWithItsSettings)
{
    fw::Ref<Window1> window = startWithoutLoop();
    EXPECT_TRUE(Global::Window1() == window);
    EXPECT_EQ(fw::Runtime::WindowCount(), 1);
    EXPECT_FALSE(window->Visible());
    EXPECT_FALSE(window->widget()->isVisible());
    EXPECT_EQ(window->Title().bytes(), "IDE Script");
    EXPECT_EQ(window->Width(), 130);
    EXPECT_EQ(window->Height(), 148);
    EXPECT_EQ(window->widget()->width(), 130);
    EXPECT_EQ(window->widget()->height(), 148);
    EXPECT_EQ(window->MinWidth(), 125);
    EXPECT_EQ(window->MinHeight(), 100);
    EXPECT_EQ(window->BackColor().value, 0xE8E8E8u);
    EXPECT_TRUE(window->HasBackColor());
    EXPECT_TRUE(window->isFloating());
    EXPECT_EQ(window->MeHeight, 148);
    EXPECT_EQ(window->MacProcId, 0);
    EXPECT_FALSE(window->test_);
    EXPECT_EQ(window->名称未設定, 0);
    EXPECT_FALSE(window->myLock);
}

TEST_F(StartUp, TheWindowHoldsFiveControlsInOrderWithTheirPlacesAndLocks)
{
    fw::Ref<Window1> window = startWithoutLoop();
    ASSERT_EQ(window->ControlCount(), 5);
    const char* names[] = { "CustomCellListbox1", "Class21", "BevelButton1", "BevelButton2", "BevelButton3" };
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(window->Control(i) == fw::RuntimeWindowControlByName(window, names[i])) << names[i];

    struct Place {
        fw::Ref<fw::RectControl> control;
        int32_t left, top, width, height;
        bool lockLeft, lockTop, lockRight, lockBottom;
    } places[] = {
        { window->CustomCellListbox1(), 4, 2, 122, 121, true, true, true, true },
        { window->BevelButton1(), 5, 125, 20, 20, true, false, false, true },
        { window->BevelButton2(), 106, 125, 20, 20, false, false, true, true },
        { window->BevelButton3(), 30, 125, 20, 20, true, false, false, true },
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.control->Name.bytes());
        EXPECT_EQ(p.control->Left(), p.left);
        EXPECT_EQ(p.control->Top(), p.top);
        EXPECT_EQ(p.control->Width(), p.width);
        EXPECT_EQ(p.control->Height(), p.height);
        EXPECT_EQ(p.control->LockLeft, p.lockLeft);
        EXPECT_EQ(p.control->LockTop, p.lockTop);
        EXPECT_EQ(p.control->LockRight, p.lockRight);
        EXPECT_EQ(p.control->LockBottom, p.lockBottom);
        EXPECT_EQ(p.control->widget()->geometry(), QRect(p.left, p.top, p.width, p.height));
    }
    EXPECT_EQ(window->CustomCellListbox1()->DefaultRowHeight(), 20);
    EXPECT_TRUE(window->CustomCellListbox1()->HasHeading());
    EXPECT_EQ(window->CustomCellListbox1()->InitialValue().bytes(), "Script Name");
    EXPECT_EQ(window->CustomCellListbox1()->cellcolor.value, 0u);
    EXPECT_EQ(window->BevelButton3()->TextSize, 0);
    EXPECT_EQ(window->BevelButton2()->TabIndex, 3);

    fw::Ref<Class2> timer = window->Class21();
    EXPECT_EQ(timer->Mode(), 0);
    EXPECT_EQ(timer->Period(), 100);
    EXPECT_FALSE(timer->Go);
    EXPECT_TRUE(timer->myBu.isNil());
}

TEST_F(StartUp, EventsAreBoundByNameToTheWindowsMethods)
{
    fw::Ref<Window1> window = startWithoutLoop();
    fw::Ref<CustomCellListbox> list = window->CustomCellListbox1();
    EXPECT_TRUE(list->Open.isBound());
    EXPECT_TRUE(list->MouseDown.isBound());
    EXPECT_FALSE(window->Class21()->Action.isBound());
    for (const fw::Ref<fw::BevelButton>& button :
        { window->BevelButton1(), window->BevelButton2(), window->BevelButton3() }) {
        EXPECT_TRUE(button->Action.isBound()) << button->Name.bytes();
        EXPECT_TRUE(button->Open.isBound()) << button->Name.bytes();
    }
    // The list's MouseDown goes to the window's handler with x and y, and its result comes back.
    EXPECT_TRUE(list->Event_MouseDown(50, 19));
    EXPECT_FALSE(list->Event_MouseDown(50, 20));
}

TEST_F(StartUp, ControlsFollowTheirLocksWhenTheWindowIsResized)
{
    fw::Ref<Window1> window = startWithoutLoop();
    window->setWidth(200);
    window->setHeight(300);
    EXPECT_EQ(window->CustomCellListbox1()->Width(), 192);
    EXPECT_EQ(window->CustomCellListbox1()->Height(), 273);
    EXPECT_EQ(window->BevelButton1()->Left(), 5);
    EXPECT_EQ(window->BevelButton2()->Left(), 176);
    EXPECT_EQ(window->BevelButton3()->Left(), 30);
    for (const fw::Ref<fw::BevelButton>& button :
        { window->BevelButton1(), window->BevelButton2(), window->BevelButton3() })
        EXPECT_EQ(button->Top() + button->Height(), 300 - 3);

    // Below the minimum height the program's height holds, and the buttons stay whole.
    window->setHeight(25);
    EXPECT_EQ(window->Height(), 25);
    EXPECT_EQ(window->widget()->height(), 25);
    EXPECT_EQ(window->BevelButton1()->Top(), 2);
    window->setHeight(148);
    window->setWidth(130);
    EXPECT_EQ(window->CustomCellListbox1()->Height(), 121);
    EXPECT_EQ(window->CustomCellListbox1()->Width(), 122);
    EXPECT_EQ(window->BevelButton2()->Left(), 106);
}

TEST_F(StartUp, AnySizeAndBackGivesTheControlsTheirPlacesAgain)
{
    fw::Ref<Window1> window = startWithoutLoop();
    const int32_t sizes[] = { INT32_MAX, INT32_MIN, 0, -1, 2000000000 };
    for (int32_t size : sizes) {
        SCOPED_TRACE(size);
        window->setWidth(size);
        window->setHeight(size);
        window->setWidth(130);
        window->setHeight(148);
        EXPECT_EQ(window->CustomCellListbox1()->Width(), 122);
        EXPECT_EQ(window->CustomCellListbox1()->Height(), 121);
        EXPECT_EQ(window->BevelButton2()->Left(), 106);
        EXPECT_EQ(window->BevelButton1()->Top(), 125);
    }
}

TEST_F(StartUp, TheLoopRunsTheOpenEventsAndQuitsWithStatusZero)
{
    fw::Ref<Window1> window = startWithoutLoop();
    auto quit = after(20, [] { Global::App()->Quit(); });
    fw::_RuntimeRun();
    EXPECT_EQ(window->FloaterProcess.bytes(), "RBv2"); // the window's Open ran
    EXPECT_FALSE(window->Visible());
    EXPECT_TRUE(Global::App()->AutoQuit()); // the application's Open ran
    Program::finalize();
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
    EXPECT_TRUE(MenuBar1::_implicitInstance.instance.isNil());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

// A picture and a window that note, as they go, whether the menu bar is still held.
void noteRelease(std::vector<std::string>* released, const std::string& name)
{
    released->push_back(MenuBar1::_implicitInstance.instance ? name : name + " after the menu bar");
}

class NoticedPicture : public fw::Picture {
public:
    ~NoticedPicture() override { noteRelease(released, name); }
    std::vector<std::string>* released = nullptr;
    std::string name;
};

class NoticedWindow : public fw::Window {
public:
    ~NoticedWindow() override { noteRelease(released, "window"); }
    std::vector<std::string>* released = nullptr;
};

TEST_F(StartUp, FinalisationReleasesTheSixCachesInOrderThenTheWindowsAndTheMenuBarLast)
{
    startWithoutLoop();
    const struct {
        const char* name;
        PictureCache* cache;
    } caches[] = { { "Reload", &Reload::_permapic }, { "ReloadMASK", &ReloadMASK::_permapic },
        { "Close", &Close::_permapic }, { "CloseMASK", &CloseMASK::_permapic },
        { "folder", &folder::_permapic }, { "folderMASK", &folderMASK::_permapic } };
    std::vector<std::string> released;
    // The palette's creation filled every cache; each gets a picture that only the cache holds.
    for (const auto& c : caches) {
        EXPECT_TRUE(c.cache->picture) << c.name;
        fw::Ref<NoticedPicture> picture = fw::New<NoticedPicture>();
        picture->released = &released;
        picture->name = c.name;
        c.cache->picture = picture;
    }
    {
        fw::Ref<NoticedWindow> other = fw::New<NoticedWindow>();
        other->released = &released;
        other->Constructor();
    }
    ASSERT_TRUE(released.empty());

    Program::finalize();
    EXPECT_EQ(released,
        (std::vector<std::string> {
            "Reload", "ReloadMASK", "Close", "CloseMASK", "folder", "folderMASK", "window" }));
    for (const auto& c : caches)
        EXPECT_TRUE(c.cache->picture.isNil()) << c.name;
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
    EXPECT_TRUE(MenuBar1::_implicitInstance.instance.isNil());
}

TEST_F(StartUp, AnExceptionEscapingAHandlerIsHandledOnceAndShutdownStillRuns)
{
    Program::initialize();
    bool secondRan = false;
    // Both in one turn of the loop, so that the second is raised before the loop has ended.
    auto both = after(20, [&] {
        fw::dispatchGuarded([] { throw fw::NilObjectException(); });
        fw::dispatchGuarded([&] {
            secondRan = true;
            throw fw::IllegalCastException();
        });
    });
    auto guard = loopGuard();
    testing::internal::CaptureStderr();
    Program::_Main();
    const std::string reported = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(secondRan);
    EXPECT_NE(reported.find("NilObjectException"), std::string::npos) << reported;
    EXPECT_EQ(reported.find("IllegalCastException"), std::string::npos) << reported;
    EXPECT_EQ(std::count(reported.begin(), reported.end(), '\n'), 1) << reported;
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("NilObjectException"), std::string::npos);
    EXPECT_EQ(fw::Runtime::WindowCount(), 1);
    Program::finalize();
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
    EXPECT_TRUE(MenuBar1::_implicitInstance.instance.isNil());
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

TEST_F(StartUp, ClosingTheLastWindowQuitsWithAutoQuit)
{
    fw::Ref<Window1> window = startWithoutLoop();
    auto close = after(20, [window] { window->widget()->close(); });
    auto guard = loopGuard();
    fw::_RuntimeRun();
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
    EXPECT_FALSE(window->isOpen());
}

} // namespace

namespace {

using PaletteIcons = PaletteFixture;

TEST_F(PaletteIcons, EachButtonShowsItsMaskedIconCentred)
{
    fw::Ref<Window1> window = startWithoutLoop();
    struct Case {
        fw::Ref<fw::BevelButton> button;
        fw::Ref<fw::Picture> (*getter)();
    } cases[] = { { window->BevelButton1(), &::Reload }, { window->BevelButton2(), &::Close },
        { window->BevelButton3(), &::folder } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button->Name.bytes());
        ASSERT_TRUE(c.button->Icon());
        EXPECT_TRUE(c.button->Icon() == c.getter());
        const QImage face = pixels::ofWidget(c.button->widget());
        const QImage bare = [&] {
            fw::Ref<fw::Picture> icon = c.button->Icon();
            c.button->setIcon(nullptr);
            QImage image = pixels::ofWidget(c.button->widget());
            c.button->setIcon(icon);
            return image;
        }();
        // The icon changes pixels in the middle of the button, and its mask leaves the corners alone.
        int changed = 0;
        for (int y = 2; y < 18; ++y)
            for (int x = 2; x < 18; ++x)
                changed += face.pixel(x, y) != bare.pixel(x, y);
        EXPECT_GT(changed, 10);
        EXPECT_EQ(face.pixel(3, 3), bare.pixel(3, 3));
        EXPECT_EQ(face.pixel(16, 16), bare.pixel(16, 16));
    }
}

// Both the window's creation of the buttons and each button's Open ask for the picture again.
TEST_F(PaletteIcons, AMissingPictureLeavesEveryIconNilAtCreationAndAtOpenWithoutAMessage)
{
    fw::ResourceForkSeam::Scoped nothing(
        fw::New<fw::ResourceFork>([](int32_t) { return fw::Ref<fw::Picture>(); }));
    fw::Ref<Window1> window = startWithoutLoop();
    const fw::Ref<fw::BevelButton> buttons[]
        = { window->BevelButton1(), window->BevelButton2(), window->BevelButton3() };
    const fw::Ref<fw::Picture> stand
        = fw::qt::pictureFromImage(pixels::filled(16, 16, fw::Color { 0xFF0000 }));
    for (const fw::Ref<fw::BevelButton>& button : buttons) {
        EXPECT_TRUE(button->Icon().isNil()) << button->Name.bytes() << " when made";
        button->setIcon(stand);
    }
    fw::WindowList::openPending();
    for (const fw::Ref<fw::BevelButton>& button : buttons)
        EXPECT_TRUE(button->Icon().isNil()) << button->Name.bytes() << " after its Open";
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(fw::Runtime::quitRequested());
}

TEST_F(PaletteIcons, AMaskWithoutItsIconIsReportedNotSwallowed)
{
    fw::ResourceForkSeam::Scoped maskOnly(fw::New<fw::ResourceFork>([](int32_t id) {
        return id == 169 ? fw::qt::pictureFromImage(QImage(16, 16, QImage::Format_ARGB32_Premultiplied))
                         : fw::Ref<fw::Picture>();
    }));
    Program::initialize();
    testing::internal::CaptureStderr();
    Program::_Main();
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("NilObjectException"), std::string::npos) << reported;
    ASSERT_EQ(messages.texts.size(), 1u);
    Program::finalize();
    EXPECT_TRUE(ReloadMASK::_permapic.picture.isNil());
    EXPECT_TRUE(Reload::_permapic.picture.isNil());
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

} // namespace

namespace {

using LaterEvents = PaletteFixture;

TEST_F(LaterEvents, AWindowMadeWhileTheLoopRunsGetsItsOpenEvents)
{
    startWithoutLoop();
    bool opened = false;
    fw::Ref<fw::Window> later;
    auto make = after(10, [&] {
        later = fw::New<fw::Window>();
        later->Open.bind([&] {
            opened = true;
            Global::App()->Quit();
        });
        later->Constructor();
    });
    // The Open handler ends the loop; this only keeps a missing Open from hanging the test, and leaves
    // a slow machine time to deliver it.
    auto guard = after(patience, [] { Global::App()->Quit(); });
    fw::_RuntimeRun();
    EXPECT_TRUE(opened);
}

int32_t throwingHandler(int32_t, int32_t, int32_t)
{
    throw fw::NilObjectException();
}

TEST_F(LaterEvents, AnExceptionFromAFrontSwitchHandlerGoesToTheLoopNotThroughQt)
{
    fw::RuntimeInit();
    Program::initialize();
    Program::_NewAppInstance();
    const uint32_t types[2] = { fw::platform::applicationEventClass, fw::platform::frontSwitchedEventKind };
    ASSERT_EQ(fw::platform::InstallEventHandler(fw::platform::GetApplicationEventTarget(),
                  fw::platform::NewEventHandlerUPP(&throwingHandler), 1, types, nullptr, nullptr),
        0);
    ASSERT_TRUE(fw::platform::bringToFront(fw::platform::fourCC("RBv2")));
    bool raised = false;
    for (int i = 0; i < 200 && !raised; ++i) {
        try {
            Global::App()->DoEvents(-1);
        } catch (const fw::NilObjectException&) {
            raised = true;
        }
    }
    EXPECT_TRUE(raised);
    EXPECT_TRUE(fw::Runtime::quitRequested());
}

TEST(ListRecords, TheListClassesListTheFourListInterfaces)
{
    for (const fw::ClassRecord* record :
        { &fw::Listbox::__Lookup(), &AlternatingList::__Lookup(), &CustomCellListbox::__Lookup() }) {
        SCOPED_TRACE(record->fullName);
        ASSERT_EQ(record->interfaces.size(), 4u);
        EXPECT_EQ(record->interfaces[0]->fullName, "ListInterface");
        EXPECT_EQ(record->interfaces[3]->fullName, "listSelectionNotifier");
        EXPECT_EQ(record->interfaces[2]->methods.size(), 3u);
    }
}

} // namespace
