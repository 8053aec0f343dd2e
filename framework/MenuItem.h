#pragma once

#include "framework/Event.h"
#include "framework/Object.h"

#include <vector>

namespace fw {

// A menu item, a menu (an item with children) or a separator (the text "-").
class MenuItem : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    String Name;
    String Text;
    String KeyboardShortcut; // "Cmd+" and a letter, or empty
    bool AutoEnable = false;

    virtual void Event_Action() { Action(); }
    Event<void()> Action;

    // Adds the item as the last child; children keep the order in which they were appended.
    void Append(const Ref<MenuItem>& item);
    // The direct child whose Name equals `name`, or nil.
    Ref<MenuItem> Child(const String& name) const;
    // The item of that Name anywhere below this one, depth first, or nil.
    Ref<MenuItem> _Lookup(const String& name) const;
    int32_t Count() const { return static_cast<int32_t>(m_children.size()); }
    Ref<MenuItem> Item(int32_t index) const;

    bool isSeparator() const { return Text.bytes() == "-"; }

private:
    std::vector<Ref<MenuItem>> m_children;
};

// The item whose action quits the application.
class QuitMenuItem : public MenuItem {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }
    void Event_Action() override;
};

// A menu bar: its children are the menus.
class MenuBar : public MenuItem {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }
};

// The framework's quit action, which the quit item runs.
void QuitMenuAction();

} // namespace fw
