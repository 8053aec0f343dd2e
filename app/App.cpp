#include "app/App.h"

#include "app/FloaterProcessFix.h"

const fw::ClassRecord& App::__Lookup()
{
    static const fw::ClassRecord& record
        = fw::ClassRecord::define("App", &fw::Application::__Lookup(), {}, [](fw::ClassRecord& r) {
              r.methods = { { "Event_Close", "%%" }, { "Event_Open", "%%" } };
          });
    return record;
}

void App::Event_Close()
{
}

void App::Event_Open()
{
    setAutoQuit(true);
    FloaterProcessFix::Install();
}

fw::Ref<::App> Global::App()
{
    return fw::Cast<::App>(fw::_GetAppObject());
}
