#include "app/MenuBar1.h"

MenuBar1::ImplicitInstance MenuBar1::_implicitInstance;

const fw::ClassRecord& MenuBar1::__Lookup()
{
    static const fw::ClassRecord& record
        = fw::ClassRecord::define("MenuBar1.MenuBar1", &fw::MenuBar::__Lookup(), {}, [](fw::ClassRecord& r) {
              r.methods = { { "Untitled0", "%%" }, { "Untitled1", "%%" }, { "Constructor", "%%" } };
          });
    return record;
}

void MenuBar1::Constructor()
{
    Untitled0();
    Untitled1();
}

namespace {

struct ItemRow {
    const char* name;
    const char* text;
    const char* shortcut; // nullptr: the shortcut is never written
};

// Makes one item: Name, then AutoEnable, then Text, then KeyboardShortcut, each on a checked item.
template <class Item> fw::Ref<fw::MenuItem> makeItem(const ItemRow& row)
{
    fw::Ref<fw::MenuItem> item = fw::New<Item>();
    item->Name = row.name;
    item->AutoEnable = true;
    item->Text = row.text;
    if (row.shortcut)
        item->KeyboardShortcut = row.shortcut;
    return item;
}

// Appends an item to the menu of that name, looked up again on the bar for every item.
void appendTo(fw::MenuBar& bar, const char* menuName, const fw::Ref<fw::MenuItem>& item)
{
    fw::Ref<fw::MenuItem> menu = bar.Child(menuName);
    menu->Append(item);
}

} // namespace

void MenuBar1::Untitled0()
{
    Append(makeItem<fw::MenuItem>({ "FileMenu", "ファイル", "" }));
    appendTo(*this, "FileMenu", makeItem<fw::QuitMenuItem>({ "FileQuit", "終了", "Cmd+Q" }));
}

void MenuBar1::Untitled1()
{
    Append(makeItem<fw::MenuItem>({ "EditMenu", "編集", "" }));
    const ItemRow editItems[] = {
        { "EditUndo", "取り消し", "Cmd+Z" },
        { "UntitledMenu1", "-", nullptr },
        { "EditCut", "カット", "Cmd+X" },
        { "EditCopy", "コピー", "Cmd+C" },
        { "EditPaste", "ペースト", "Cmd+V" },
        { "EditClear", "削除", "" },
        { "UntitledMenu0", "-", nullptr },
        { "EditSelectAll", "すべてを選択", "Cmd+A" },
    };
    for (const ItemRow& row : editItems)
        appendTo(*this, "EditMenu", makeItem<fw::MenuItem>(row));
}

void MenuBar1::ImplicitInstance::__Exit()
{
    instance = nullptr;
}

fw::Ref<::MenuBar1> Global::MenuBar1()
{
    if (!::MenuBar1::_implicitInstance.instance) {
        fw::Ref<::MenuBar1> bar = fw::New<::MenuBar1>();
        bar->Constructor();
        // Stored only once built: a construction that raises leaves no half-made bar behind.
        ::MenuBar1::_implicitInstance.instance = bar;
    }
    return ::MenuBar1::_implicitInstance.instance;
}
