#include "app/Window1.h"

#include "app/FloaterProcessFix.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Reg.h"
#include "app/SettingsRecords.h"
#include "app/Window1_Class21.h"
#include "framework/AppleEvent.h"
#include "framework/BinaryStream.h"
#include "framework/FolderItem.h"
#include "framework/MsgBox.h"
#include "framework/SetProperties.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"

const fw::ClassRecord& Window1::__Lookup()
{
    static const fw::ClassRecord& record
        = fw::ClassRecord::define("Window1.Window1", &fw::Window::__Lookup(), {}, [](fw::ClassRecord& r) {
              r.properties = {
                  fw::field("test", &Window1::test_),
                  fw::field("名称未設定", &Window1::名称未設定),
                  fw::field("MeHeight", &Window1::MeHeight),
                  fw::field("myLock", &Window1::myLock),
              };
              r.methods = {
                  { "Layout", "%%" },
                  { "CreateControls", "%%" },
                  { "_CreateControls0", "%%" },
                  { "CustomCellListbox1", "%o<CustomCellListbox>%s" },
                  { "Class21", "%o<Class2>%s" },
                  { "BevelButton1", "%o<BevelButton>%s" },
                  { "BevelButton2", "%o<BevelButton>%s" },
                  { "BevelButton3", "%o<BevelButton>%s" },
                  { "CustomCellListbox1_Open", "%%" },
                  { "CustomCellListbox1_MouseDown", "%b%i4i4" },
                  { "BevelButton1_Action", "%%" },
                  { "BevelButton1_Open", "%%" },
                  { "BevelButton2_Action", "%%" },
                  { "BevelButton2_Open", "%%" },
                  { "BevelButton3_Open", "%%" },
                  { "BevelButton3_Action", "%%" },
                  { "EditMenu", "%o<MenuItem>%" },
                  { "EditSelectAll", "%o<MenuItem>%" },
                  { "UntitledMenu0", "%o<MenuItem>%" },
                  { "EditClear", "%o<MenuItem>%" },
                  { "EditPaste", "%o<MenuItem>%" },
                  { "EditCopy", "%o<MenuItem>%" },
                  { "EditCut", "%o<MenuItem>%" },
                  { "UntitledMenu1", "%o<MenuItem>%" },
                  { "EditUndo", "%o<MenuItem>%" },
                  { "FileMenu", "%o<MenuItem>%" },
                  { "FileQuit", "%o<QuitMenuItem>%" },
                  { "AddMenuHandlers", "%%o<Window>" },
                  { "Event_Open", "%%" },
                  { "Event_Resizing", "%%" },
                  { "RunIDEScript", "%%s" },
                  { "RunRbsFile", "%%s" },
                  { "test", "%%" },
                  { "ReadMenu", "%%o<CustomCellListbox>" },
                  { "OpenDir", "%%" },
              };
          });
    return record;
}

void Window1::Layout()
{
    setMenuBar(Global::MenuBar1());
    fw::_SetProperties(fw::Ref<Window1>(this), SettingsRecords::Window1);
}

void Window1::CreateControls()
{
    _CreateControls0();
}

template <class T> fw::Ref<T> Window1::control(const char* name)
{
    return fw::Cast<T>(fw::RuntimeWindowControlByName(fw::Ref<fw::Window>(this), name));
}

// Installs the window's method as the named control's handler of the named event: the control is
// taken by name anew, and the delegate is released once its entry point is installed.
template <class Method>
void Window1::bind(const char* controlName, const char* eventName, Method method, const char* signature)
{
    fw::Ref<fw::Object> target = fw::RuntimeWindowControlByName(fw::Ref<fw::Window>(this), controlName);
    fw::Ref<fw::Delegate> delegate = fw::RuntimeCreateDelegate(method, signature);
    fw::_InstallInstanceEventHandler(target, eventName, delegate->entryPoint);
}

namespace {

// Allocates a control for the window, runs its constructor and adds it under its name.
template <class T> void addControl(Window1& window, const char* name)
{
    fw::Ref<T> made = window.__New<T>();
    made->Constructor();
    window._AddControl(name, made);
}

} // namespace

void Window1::_CreateControls0()
{
    addControl<CustomCellListbox>(*this, "CustomCellListbox1");
    fw::_SetProperties(CustomCellListbox1(), SettingsRecords::CustomCellListbox1);
    bind("CustomCellListbox1", "Open", &Window1::CustomCellListbox1_Open, "(  )");
    bind("CustomCellListbox1", "MouseDown", &Window1::CustomCellListbox1_MouseDown,
        "( Int32, Int32 ) as Boolean");

    addControl<Window1_Class21>(*this, "Class21");
    fw::_SetProperties(Class21(), SettingsRecords::Class21);

    addControl<fw::BevelButton>(*this, "BevelButton1");
    BevelButton1()->setIcon(::Reload());
    fw::_SetProperties(BevelButton1(), SettingsRecords::BevelButton1);
    bind("BevelButton1", "Action", &Window1::BevelButton1_Action, "(  )");
    bind("BevelButton1", "Open", &Window1::BevelButton1_Open, "(  )");

    addControl<fw::BevelButton>(*this, "BevelButton2");
    BevelButton2()->setIcon(::Close());
    fw::_SetProperties(BevelButton2(), SettingsRecords::BevelButton2);
    bind("BevelButton2", "Action", &Window1::BevelButton2_Action, "(  )");
    bind("BevelButton2", "Open", &Window1::BevelButton2_Open, "(  )");

    addControl<fw::BevelButton>(*this, "BevelButton3");
    BevelButton3()->setIcon(::folder());
    fw::_SetProperties(BevelButton3(), SettingsRecords::BevelButton3);
    bind("BevelButton3", "Open", &Window1::BevelButton3_Open, "(  )");
    bind("BevelButton3", "Action", &Window1::BevelButton3_Action, "(  )");
}

void Window1::CustomCellListbox1_Open(fw::Ref<CustomCellListbox> Me)
{
    Me->setColumnAlignment(0, 2);
    Me->cellcolor = ButtonsCell::normalColor;
    Me->setColumnSortDirection(0, 0);
    ReadMenu(CustomCellListbox1());
}

bool Window1::CustomCellListbox1_MouseDown(fw::Ref<CustomCellListbox> Me, int32_t, int32_t y)
{
    return y < Me->DefaultRowHeight();
}

void Window1::BevelButton1_Action(fw::Ref<fw::BevelButton>)
{
    CustomCellListbox1()->DeleteAllRows();
    fw::Ref<Window1> window = Global::Window1();
    window->ReadMenu(CustomCellListbox1());
}

void Window1::BevelButton1_Open(fw::Ref<fw::BevelButton> Me)
{
    Me->setIcon(::Reload());
}

void Window1::BevelButton2_Action(fw::Ref<fw::BevelButton>)
{
    if (Global::Window1()->Height() > 25) {
        Global::Window1()->MeHeight = Global::Window1()->Height();
        Global::Window1()->setHeight(25);
        CustomCellListbox1()->setVisible(false);
    } else {
        Global::Window1()->setHeight(Global::Window1()->MeHeight);
        CustomCellListbox1()->setVisible(true);
    }
}

void Window1::BevelButton2_Open(fw::Ref<fw::BevelButton> Me)
{
    Me->setIcon(::Close());
}

void Window1::BevelButton3_Open(fw::Ref<fw::BevelButton> Me)
{
    Me->setIcon(::folder());
}

void Window1::BevelButton3_Action(fw::Ref<fw::BevelButton>)
{
    OpenDir();
}

fw::Ref<fw::MenuItem> Window1::menuItem(const char* name)
{
    fw::Ref<fw::MenuBar> bar = MenuBar();
    return fw::Cast<fw::MenuItem>(bar->_Lookup(name));
}

fw::Ref<fw::MenuItem> Window1::EditMenu()
{
    return menuItem("EditMenu");
}
fw::Ref<fw::MenuItem> Window1::EditSelectAll()
{
    return menuItem("EditSelectAll");
}
fw::Ref<fw::MenuItem> Window1::UntitledMenu0()
{
    return menuItem("UntitledMenu0");
}
fw::Ref<fw::MenuItem> Window1::EditClear()
{
    return menuItem("EditClear");
}
fw::Ref<fw::MenuItem> Window1::EditPaste()
{
    return menuItem("EditPaste");
}
fw::Ref<fw::MenuItem> Window1::EditCopy()
{
    return menuItem("EditCopy");
}
fw::Ref<fw::MenuItem> Window1::EditCut()
{
    return menuItem("EditCut");
}
fw::Ref<fw::MenuItem> Window1::UntitledMenu1()
{
    return menuItem("UntitledMenu1");
}
fw::Ref<fw::MenuItem> Window1::EditUndo()
{
    return menuItem("EditUndo");
}
fw::Ref<fw::MenuItem> Window1::FileMenu()
{
    return menuItem("FileMenu");
}
fw::Ref<fw::QuitMenuItem> Window1::FileQuit()
{
    return fw::Cast<fw::QuitMenuItem>(menuItem("FileQuit"));
}

void Window1::AddMenuHandlers(fw::Ref<fw::Window> w)
{
    (void)fw::Cast<Window1>(w);
}

void Window1::Event_Open()
{
    FloaterProcess = "RBv2";
    FloaterProcessFix::CheckOpenWindows();
    Hide();
}

void Window1::Event_Resizing()
{
    if (Height() > 25)
        CustomCellListbox1()->setVisible(true);
}

void Window1::RunIDEScript(const fw::String& script)
{
    fw::Ref<fw::AppleEvent> ae = fw::NewAppleEvent("RBae", "scpt", "RBv2");
    ae->setStringParam("----", script);
    if (!ae->Send())
        fw::MsgBox("Error");
}

void Window1::RunRbsFile(const fw::String& fileName)
{
    fw::Ref<fw::FolderItem> folder = fw::GetFolderItem("", 0);
    fw::Ref<fw::FolderItem> file = folder->Child(fileName);
    if (!file)
        return;
    fw::Ref<fw::BinaryStream> stream = file->OpenAsBinaryFile(false);
    if (!stream)
        return;
    // The read count is a signed 32-bit number: a file longer than that cannot be read whole, and
    // sending part of it as if it were the script would report a failure as success.
    const uint64_t length = stream->Length();
    if (length > static_cast<uint64_t>(INT32_MAX)) {
        fw::MsgBox("Error");
        stream->Close();
        return;
    }
    const fw::String script = stream->Read(static_cast<int32_t>(length), fw::Encoding::None);
    RunIDEScript(script);
    stream->Close();
}

void Window1::test()
{
}

void Window1::ReadMenu(fw::Ref<CustomCellListbox> list)
{
    fw::Ref<fw::FolderItem> folder = fw::GetFolderItem("", 0);
    const int32_t count = folder->Count();
    for (int32_t index = 1; index <= count; ++index) {
        fw::Ref<fw::FolderItem> item = folder->Item(index);
        if (!Reg::m(item->Name(), "rbs$", ""))
            continue;
        const fw::String caption = fw::Replace(item->DisplayName(), ".rbs", "");
        list->AddRow("");
        const int32_t row = list->LastIndex();
        fw::Ref<ButtonsCell> cell = fw::New<ButtonsCell>(caption, list);
        list->customCell(row, 0, cell);
    }
}

void Window1::OpenDir()
{
    fw::Ref<fw::FolderItem> folder = fw::GetFolderItem("", 0);
    if (folder && folder->Exists())
        folder->Launch(true);
}

fw::Ref<CustomCellListbox> Window1::CustomCellListbox1()
{
    return control<CustomCellListbox>("CustomCellListbox1");
}
fw::Ref<Class2> Window1::Class21()
{
    return control<Class2>("Class21");
}
fw::Ref<fw::BevelButton> Window1::BevelButton1()
{
    return control<fw::BevelButton>("BevelButton1");
}
fw::Ref<fw::BevelButton> Window1::BevelButton2()
{
    return control<fw::BevelButton>("BevelButton2");
}
fw::Ref<fw::BevelButton> Window1::BevelButton3()
{
    return control<fw::BevelButton>("BevelButton3");
}

fw::Ref<::Window1> Global::Window1()
{
    if (fw::Ref<fw::Window> found = fw::_GetImplicitWindow("Window1.Window1"))
        return fw::Cast<::Window1>(found);
    fw::Ref<::Window1> window = fw::New<::Window1>();
    window->Constructor();
    return window;
}
