#include "list/ButtonsCell.h"

#include "app/Window1.h"
#include "framework/ClassRecord.h"
#include "framework/Conversions.h"
#include "framework/Graphics.h"
#include "list/CustomCellListbox.h"

const fw::ClassRecord& ButtonsCell::__Lookup()
{
    static const fw::ClassRecord& record = fw::ClassRecord::define(
        "ButtonsCell", &fw::Object::__Lookup(), { &CustomListboxCell::__Lookup() }, [](fw::ClassRecord& r) {
            r.properties = {
                fw::objectProperty("buttons", "String()"),
                fw::objectProperty("myself", "CustomCellListbox"),
                fw::field("mycolor", &ButtonsCell::mycolor),
            };
            r.methods = { { "cellClick", "%b%i4i4" }, { "compareValue", "%i4%" },
                { "owner", "%%o<CustomCellListbox>" }, { "addButton", "%%s" },
                { "Constructor", "%%so<CustomCellListbox>" }, { "cellPaint", "%%o<Graphics>i4" } };
        });
    return record;
}

ButtonsCell::ButtonsCell() = default;

ButtonsCell::~ButtonsCell()
{
    buttons.clear();
    myself = nullptr;
}

void ButtonsCell::Constructor(const fw::String& caption, fw::Ref<CustomCellListbox> list)
{
    addButton(caption);
    myself = std::move(list);
    mycolor = normalColor;
}

void ButtonsCell::addButton(const fw::String& caption)
{
    buttons.push_back(caption);
}

void ButtonsCell::owner(fw::Ref<CustomCellListbox>)
{
}

int32_t ButtonsCell::compareValue()
{
    return 0;
}

bool ButtonsCell::cellClick(int32_t, int32_t)
{
    mycolor = pressedColor;
    fw::Ref<Window1> window = Global::Window1();
    // A cell without a caption has no script to run.
    if (!buttons.empty())
        window->RunRbsFile(buttons.front() + ".rbs");
    return true;
}

namespace {

// The caption's x that centres it: (W - StringWidth) / 2, in Double, converted once.
int32_t centred(const fw::Ref<fw::Graphics>& g, const fw::String& caption)
{
    return fw::RuntimeCvtReal64ToSInt32(
        (fw::RuntimeCvtSInt32ToReal64(g->Width()) - g->StringWidth(caption)) / 2.0);
}

} // namespace

void ButtonsCell::cellPaint(fw::Ref<fw::Graphics> g, int32_t)
{
    g->setForeColor(Global::Window1()->BackColor());
    g->FillRect(0, 0, g->Width(), g->Height());
    // A cell without a caption shows the window's background alone.
    if (buttons.empty())
        return;
    const fw::String& caption = buttons.front();
    g->setForeColor(fw::Color { 0x000000 });
    g->FillRoundRect(5, 2, g->Width() - 10, g->Height() - 4, 10, 10);
    g->setForeColor(mycolor);
    g->FillRoundRect(5, 1, g->Width() - 10, g->Height() - 4, 10, 10);
    g->setTextSize(12);
    g->setForeColor(fw::Color { 0xFFFFFF });
    g->DrawString(caption, centred(g, caption), g->TextSize() + 3, 0, false);
    g->setForeColor(fw::Color { 0x000000 });
    g->DrawString(caption, centred(g, caption), g->TextSize() + 2, 0, false);
}
