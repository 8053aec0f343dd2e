#include "bench/support/Palette.h"

#include "app/Program.h"
#include "framework/Application.h"
#include "framework/MsgBox.h"
#include "tests/support/TemporaryFolder.h"

#include <QCoreApplication>

namespace bench {

std::vector<std::string>& messageBoxes()
{
    static std::vector<std::string> texts;
    return texts;
}

namespace {

fw::Ref<Window1>& held()
{
    static fw::Ref<Window1> window;
    return window;
}

} // namespace

fw::Ref<Window1> palette()
{
    if (!held()) {
        static fw::MsgBoxSeam::Scoped boxes(
            [](const fw::String& text) { messageBoxes().push_back(text.bytes()); });
        static TemporaryFolder emptyFolder("ide-script-bench");
        ApplicationFolder folder(emptyFolder.path());
        fw::RuntimeInit();
        Program::initialize();
        Program::_NewAppInstance();
        Program::_MakeDefaultView();
        fw::Ref<Window1> made = Global::Window1();
        made->openNow();
        made->Show();
        settle();
        held() = made;
        // The window's widgets must go while the Qt application still exists.
        qAddPostRoutine([] {
            held() = nullptr;
            Program::finalize();
        });
    }
    return held();
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace bench
