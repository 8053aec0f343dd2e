#include "app/Class2.h"

#include "list/ButtonsCell.h"

const fw::ClassRecord& Class2::__Lookup()
{
    static const fw::ClassRecord& record = fw::ClassRecord::define(
        "Class2", &fw::Timer::__Lookup(), { &fw::actionSource::__Lookup() }, [](fw::ClassRecord& r) {
            r.properties.push_back(fw::field("Go", &Class2::Go));
            r.properties.push_back(fw::objectProperty("myBu", "ButtonsCell"));
            r.methods = { { "Event_Action", "%%" } };
        });
    return record;
}

Class2::Class2() = default;

Class2::~Class2() = default;

void Class2::Event_Action()
{
    Go = false;
}
