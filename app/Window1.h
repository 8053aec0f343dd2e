#pragma once

#include "framework/BevelButton.h"
#include "framework/MenuItem.h"
#include "framework/Window.h"

class Class2;
class CustomCellListbox;

// The palette window "IDE Script".
class Window1 : public fw::Window {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    // Properties. C++ cannot give a field and a method one name, so the property `test` is kept as
    // `test_` and registered under its own name.
    bool test_ = false;
    int32_t 名称未設定 = 0;
    int32_t MeHeight = 148;
    bool myLock = false;

    // Own operations, in slot order.
    void Layout() override;
    void CreateControls() override;
    virtual void _CreateControls0();
    virtual void CustomCellListbox1_Open(fw::Ref<CustomCellListbox> Me);
    virtual bool CustomCellListbox1_MouseDown(fw::Ref<CustomCellListbox> Me, int32_t x, int32_t y);
    virtual void BevelButton1_Action(fw::Ref<fw::BevelButton> Me);
    virtual void BevelButton1_Open(fw::Ref<fw::BevelButton> Me);
    virtual void BevelButton2_Action(fw::Ref<fw::BevelButton> Me);
    virtual void BevelButton2_Open(fw::Ref<fw::BevelButton> Me);
    virtual void BevelButton3_Open(fw::Ref<fw::BevelButton> Me);
    virtual void BevelButton3_Action(fw::Ref<fw::BevelButton> Me);
    virtual fw::Ref<fw::MenuItem> EditMenu();
    virtual fw::Ref<fw::MenuItem> EditSelectAll();
    virtual fw::Ref<fw::MenuItem> UntitledMenu0();
    virtual fw::Ref<fw::MenuItem> EditClear();
    virtual fw::Ref<fw::MenuItem> EditPaste();
    virtual fw::Ref<fw::MenuItem> EditCopy();
    virtual fw::Ref<fw::MenuItem> EditCut();
    virtual fw::Ref<fw::MenuItem> UntitledMenu1();
    virtual fw::Ref<fw::MenuItem> EditUndo();
    virtual fw::Ref<fw::MenuItem> FileMenu();
    virtual fw::Ref<fw::QuitMenuItem> FileQuit();
    void AddMenuHandlers(fw::Ref<fw::Window> w) override;
    void Event_Open() override;
    void Event_Resizing() override;
    virtual void RunIDEScript(const fw::String& script);
    virtual void RunRbsFile(const fw::String& fileName);
    virtual void test();
    virtual void ReadMenu(fw::Ref<CustomCellListbox> list);
    virtual void OpenDir();

    // The controls, each found by its name.
    fw::Ref<CustomCellListbox> CustomCellListbox1();
    fw::Ref<Class2> Class21();
    fw::Ref<fw::BevelButton> BevelButton1();
    fw::Ref<fw::BevelButton> BevelButton2();
    fw::Ref<fw::BevelButton> BevelButton3();

private:
    template <class T> fw::Ref<T> control(const char* name);
    template <class Method>
    void bind(const char* controlName, const char* eventName, Method method, const char* signature);
    fw::Ref<fw::MenuItem> menuItem(const char* name);
};

namespace Global {
// The palette window: the implicit instance of Window1, made at the first request.
fw::Ref<::Window1> Window1();
} // namespace Global
