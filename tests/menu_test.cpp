#include "tests/support/PaletteFixture.h"

#include "framework/qt/MenuPresenter.h"
#include "framework/qt/WindowWidget.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

using Menus = PaletteFixture;

struct Row {
    const char* name;
    const char* text;
    const char* shortcut;
};

void expectItems(const fw::Ref<fw::MenuItem>& menu, std::initializer_list<Row> rows)
{
    ASSERT_EQ(menu->Count(), static_cast<int32_t>(rows.size()));
    int32_t i = 0;
    for (const Row& row : rows) {
        fw::Ref<fw::MenuItem> item = menu->Item(i++);
        SCOPED_TRACE(row.name);
        EXPECT_EQ(item->Name.bytes(), row.name);
        EXPECT_EQ(item->Text.bytes(), row.text);
        EXPECT_EQ(item->KeyboardShortcut.bytes(), row.shortcut);
        EXPECT_TRUE(item->AutoEnable);
    }
}

// The window's action of the Quit item, which carries its shortcut; null when there is none.
QAction* quitAction(const fw::Ref<Window1>& window)
{
    for (QAction* action : window->widget()->actions()) {
        if (action->text() == QString::fromUtf8("終了"))
            return action;
    }
    return nullptr;
}

TEST_F(Menus, TheBarHoldsFileThenEditWithTheirItemsInOrder)
{
    fw::Ref<MenuBar1> bar = Global::MenuBar1();
    ASSERT_EQ(bar->Count(), 2);
    expectItems(bar, { { "FileMenu", "ファイル", "" }, { "EditMenu", "編集", "" } });
    expectItems(bar->Child("FileMenu"), { { "FileQuit", "終了", "Cmd+Q" } });
    expectItems(bar->Child("EditMenu"),
        {
            { "EditUndo", "取り消し", "Cmd+Z" },
            { "UntitledMenu1", "-", "" },
            { "EditCut", "カット", "Cmd+X" },
            { "EditCopy", "コピー", "Cmd+C" },
            { "EditPaste", "ペースト", "Cmd+V" },
            { "EditClear", "削除", "" },
            { "UntitledMenu0", "-", "" },
            { "EditSelectAll", "すべてを選択", "Cmd+A" },
        });
    EXPECT_TRUE(fw::IsA<fw::QuitMenuItem>(bar->_Lookup("FileQuit")));
    EXPECT_TRUE(bar->Child("FileMenu")->Item(0)->isSeparator() == false);
    EXPECT_TRUE(bar->Child("EditMenu")->Item(1)->isSeparator());
}

TEST_F(Menus, TheImplicitInstanceIsBuiltOnce)
{
    fw::Ref<MenuBar1> first = Global::MenuBar1();
    fw::Ref<MenuBar1> second = Global::MenuBar1();
    EXPECT_TRUE(first == second);
    EXPECT_EQ(first->Child("FileMenu")->Count(), 1);
    EXPECT_EQ(first->Child("EditMenu")->Count(), 8);
    MenuBar1::_implicitInstance.__Exit();
    EXPECT_TRUE(MenuBar1::_implicitInstance.instance.isNil());
    EXPECT_FALSE(Global::MenuBar1() == first); // built anew after the release
}

TEST_F(Menus, TheWindowsAccessorsFindTheItemsOfItsBar)
{
    fw::Ref<Window1> window = startWithoutLoop();
    fw::Ref<fw::MenuBar> bar = window->MenuBar();
    EXPECT_TRUE(window->FileQuit() == bar->_Lookup("FileQuit"));
    EXPECT_TRUE(fw::IsA<fw::QuitMenuItem>(window->FileQuit()));
    struct Accessor {
        fw::Ref<fw::MenuItem> (Window1::*get)();
        const char* name;
    } accessors[] = {
        { &Window1::EditMenu, "EditMenu" },
        { &Window1::EditSelectAll, "EditSelectAll" },
        { &Window1::UntitledMenu0, "UntitledMenu0" },
        { &Window1::EditClear, "EditClear" },
        { &Window1::EditPaste, "EditPaste" },
        { &Window1::EditCopy, "EditCopy" },
        { &Window1::EditCut, "EditCut" },
        { &Window1::UntitledMenu1, "UntitledMenu1" },
        { &Window1::EditUndo, "EditUndo" },
        { &Window1::FileMenu, "FileMenu" },
    };
    for (const Accessor& a : accessors)
        EXPECT_EQ(((*window).*a.get)()->Name.bytes(), a.name);
    window->setMenuBar(nullptr);
    EXPECT_THROW(window->FileQuit(), fw::NilObjectException);
}

TEST_F(Menus, TheMenusAreReachableFromTheWindowWithoutTakingItsClientArea)
{
    fw::Ref<Window1> window = startWithoutLoop();
    fw::qt::MenuPresenter* presenter = window->menuPresenter();
    ASSERT_NE(presenter, nullptr);
    EXPECT_EQ(window->widget()->height(), 148);
    if (!presenter->usesGlobalMenu()) {
        ASSERT_NE(presenter->contextMenu(), nullptr);
        const auto menus = presenter->contextMenu()->actions();
        ASSERT_EQ(menus.size(), 2);
        EXPECT_EQ(menus[0]->text(), QString::fromUtf8("ファイル"));
        EXPECT_EQ(menus[1]->text(), QString::fromUtf8("編集"));
        const auto edit = menus[1]->menu()->actions();
        ASSERT_EQ(edit.size(), 8);
        EXPECT_TRUE(edit[1]->isSeparator());
        EXPECT_TRUE(edit[6]->isSeparator());
        EXPECT_EQ(edit[7]->shortcut(), QKeySequence("Ctrl+A"));
    }
    QAction* quit = quitAction(window);
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence("Ctrl+Q"));
}

TEST_F(Menus, ChoosingQuitEndsTheLoopAndShutdownReleasesTheBar)
{
    fw::Ref<Window1> window = startWithoutLoop();
    QAction* quit = quitAction(window);
    ASSERT_NE(quit, nullptr);
    auto choose = after(20, [quit] { quit->trigger(); });
    auto guard = loopGuard();
    fw::_RuntimeRun();
    EXPECT_TRUE(guard->isActive());
    window = nullptr;
    Program::finalize();
    EXPECT_EQ(fw::Runtime::WindowCount(), 0);
    EXPECT_TRUE(MenuBar1::_implicitInstance.instance.isNil());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST(MenuShortcuts, CmdMeansTheCommandKey)
{
    EXPECT_EQ(fw::qt::shortcutText("Cmd+Q"), "Ctrl+Q");
    EXPECT_EQ(fw::qt::shortcutText(""), "");
}

} // namespace
