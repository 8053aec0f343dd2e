#include "app/Program.h"

#include "app/App.h"
#include "app/Class2.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Window1.h"
#include "app/Window1_Class21.h"
#include "framework/BevelButton.h"
#include "framework/ExceptionRecords.h"
#include "framework/Listbox.h"
#include "framework/PaneChild.h"
#include "framework/RectControl.h"
#include "framework/RegEx.h"
#include "framework/Timer.h"
#include "list/AlternatingList.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"
#include "list/CustomListboxCell.h"

namespace Program {

int32_t main()
{
    fw::RuntimeInit();
    initialize();
    _Main();
    finalize();
    return fw::RuntimeExit();
}

void initialize()
{
    fw::Object::__Lookup();
    fw::ExceptionRecords::NilObjectException();
    fw::Application::__Lookup();
    fw::Window::__Lookup();
    fw::RectControl::__Lookup();
    fw::_PaneChild::__Lookup();
    fw::Listbox::__Lookup();
    fw::Timer::__Lookup();
    fw::MenuItem::__Lookup();
    fw::QuitMenuItem::__Lookup();
    fw::MenuBar::__Lookup();
    fw::BevelButton::__Lookup();
    fw::RegEx::__Lookup();
    fw::RegExOptions::__Lookup();
    fw::RegExMatch::__Lookup();
    fw::ExceptionRecords::RegExException();
    fw::ExceptionRecords::RegExSearchPatternException();

    App::__Lookup();
    Window1::__Lookup();
    Window1_Class21::__Lookup();
    MenuBar1::__Lookup();
    ButtonsCell::__Lookup();
    AlternatingList::__Lookup();
    CustomCellListbox::__Lookup();
    CustomListboxCell::__Lookup();
    Class2::__Lookup();
}

void _Main()
{
    try {
        fw::_RuntimeInitExternalClasses();
        fw::_InitPluginEntrypoints();
        _InitFileTypes();
        _NewAppInstance();
        _ApplicationAddMenuHandlers();
        _MakeDefaultView();
        fw::_RuntimeRun();
    } catch (const std::exception& e) {
        fw::_UnhandledException(e);
    } catch (...) {
        fw::_UnhandledException(fw::RuntimeException("an exception of an unknown kind"));
    }
}

void _InitFileTypes()
{
}

void _NewAppInstance()
{
    fw::Ref<App> app = fw::New<App>();
    if (!app)
        throw fw::NilObjectException();
    {
        fw::Ref<MenuBar1> bar = Global::MenuBar1();
        app->setMenuBar(bar);
    }
    fw::_RuntimeRegisterAppObject(app);
}

void _ApplicationAddMenuHandlers()
{
}

void _MakeDefaultView()
{
    fw::Ref<Window1> window = Global::Window1();
}

void finalize()
{
    for (PictureCache* cache : pictureCaches())
        cache->__Exit();
    // The framework's window lists; its run-time type-information maps live as long as the process,
    // since every class's lookup refers to its record.
    fw::_ReleaseWindowLists();
    MenuBar1::_implicitInstance.__Exit();
}

} // namespace Program
