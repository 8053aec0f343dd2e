#include "tests/support/PaletteFixture.h"
#include "tests/support/ScriptFolder.h"

#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"

namespace {

using Scripts = PaletteFixture;

TEST_F(Scripts, ReadMenuListsTheScriptItems)
{
    ScriptFolder folder;
    folder.write("Hello.rbs", "x");
    fw::Ref<Window1> window = startWithoutLoop();
    window->ReadMenu(window->CustomCellListbox1());
    EXPECT_EQ(window->CustomCellListbox1()->ListCount(), 1);
}

} // namespace
