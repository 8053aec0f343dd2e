#include "app/Window1_Class21.h"

#include "framework/Window.h"

const fw::ClassRecord& Window1_Class21::__Lookup()
{
    static const fw::ClassRecord& record = fw::ClassRecord::define("Window1.Class21", &Class2::__Lookup(),
        { &fw::actionSource::__Lookup(), &fw::_PaneChild::__Lookup() }, [](fw::ClassRecord& r) {
            r.properties.push_back(fw::field("Index", &Window1_Class21::Index));
            r.properties.push_back(fw::objectProperty("ownerWindow", "Window"));
            r.methods = { { "_SetWindow", "%%o<Window>" }, { "Window", "%o<Window>%" }, { "_Index", "%i4%" },
                { "_SetIndex", "%%i4" }, { "Constructor", "%%" } };
        });
    return record;
}

void Window1_Class21::_SetWindow(fw::Ref<fw::Window> w)
{
    ownerWindow = std::move(w);
}

fw::Ref<fw::Window> Window1_Class21::Window()
{
    return ownerWindow;
}

int32_t Window1_Class21::_Index()
{
    return Index;
}

void Window1_Class21::_SetIndex(int32_t i)
{
    Index = i;
}

void Window1_Class21::Constructor()
{
}
