#include "framework/MenuItem.h"

#include "framework/Application.h"

namespace fw {

const ClassRecord& MenuItem::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("MenuItem", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.properties.push_back(field("Name", &MenuItem::Name));
              r.properties.push_back(field("Text", &MenuItem::Text));
              r.properties.push_back(field("KeyboardShortcut", &MenuItem::KeyboardShortcut));
              r.properties.push_back(field("AutoEnable", &MenuItem::AutoEnable));
              r.declaredEvents = { "Action", "EnableMenu" };
              r.bindableEvents.push_back(bindable("Action", "(  )", &MenuItem::Action));
          });
    return record;
}

const ClassRecord& QuitMenuItem::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("QuitMenuItem", &MenuItem::__Lookup(), {}, nullptr);
    return record;
}

const ClassRecord& MenuBar::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define("MenuBar", &MenuItem::__Lookup(), {}, nullptr);
    return record;
}

void MenuItem::Append(const Ref<MenuItem>& item)
{
    if (!item)
        throw NilObjectException();
    m_children.push_back(item);
}

Ref<MenuItem> MenuItem::Child(const String& name) const
{
    for (const Ref<MenuItem>& child : m_children) {
        if (child->Name == name)
            return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::_Lookup(const String& name) const
{
    for (const Ref<MenuItem>& child : m_children) {
        if (child->Name == name)
            return child;
        if (Ref<MenuItem> below = child->_Lookup(name))
            return below;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Item(int32_t index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_children[static_cast<size_t>(index)];
}

void QuitMenuItem::Event_Action()
{
    MenuItem::Event_Action();
    QuitMenuAction();
}

void QuitMenuAction()
{
    if (Ref<Application> app = _GetAppObject())
        app->Quit();
}

} // namespace fw
