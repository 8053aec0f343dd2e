#include "list/CustomCellListbox.h"

#include "app/App.h"
#include "app/Class2.h"
#include "app/Window1.h"
#include "framework/Application.h"
#include "framework/Conversions.h"
#include "list/ButtonsCell.h"

const fw::ClassRecord& CustomCellListbox::__Lookup()
{
    static const fw::ClassRecord& record = fw::ClassRecord::define("CustomCellListbox",
        &AlternatingList::__Lookup(), fw::Listbox::interfaceRecords(), [](fw::ClassRecord& r) {
            r.properties.push_back(fw::field("cellcolor", &CustomCellListbox::cellcolor));
            r.methods = { { "Event_CellClick", "%b%i4i4i4i4" },
                { "Event_cellBackgroundPaint", "%%o<Graphics>i4i4" }, { "Event_CompareRows", "%b%i4i4i4i4&" },
                { "customCell", "%%i4i4o<CustomListboxCell>" }, { "gradient", "%%o<Graphics>" } };
            r.declaredEvents = { "CustomCellClick", "CellClick" };
            // Found before the framework's CellClick, which it hides.
            r.bindableEvents = {
                fw::bindable("CustomCellClick", "( CustomListboxCell )", &CustomCellListbox::CustomCellClick),
                fw::bindable("CellClick", "( CustomListboxCell ) as Boolean", &CustomCellListbox::CellClick),
            };
        });
    return record;
}

fw::Ref<CustomListboxCell> CustomCellListbox::cellObject(int32_t row, int32_t column) const
{
    fw::Ref<fw::Object> tagged = CellTag(row, column).objectValue();
    return fw::IsA<CustomListboxCell>(tagged) ? fw::Cast<CustomListboxCell>(tagged) : nullptr;
}

void CustomCellListbox::customCell(int32_t row, int32_t column, fw::Ref<CustomListboxCell> cell)
{
    setCellTag(row, column, cell);
    cell->owner(fw::Ref<CustomCellListbox>(this));
}

bool CustomCellListbox::Event_CellClick(int32_t row, int32_t column, int32_t x, int32_t y)
{
    if (!cellObject(row, column))
        return false;
    if (!cellObject(row, column)->cellClick(x, y)) {
        if (CellClick.isBound())
            return CellClick(cellObject(row, column));
        return false;
    }
    if (CustomCellClick.isBound())
        CustomCellClick(cellObject(row, column));
    InvalidateCell(row, column);
    if (fw::IsA<ButtonsCell>(CellTag(row, column).objectValue())) {
        Global::Window1()->Class21()->Go = true;
        Global::Window1()->Class21()->setMode(1);
        // The list's window may close inside the wait; its timer goes with it, and asking for the palette
        // window then would make a new one, so the wait ends with the window. It ends with a quit too:
        // the tick would only hold up the end, once for every press that waits.
        while (Window() && Global::Window1()->Class21()->Go && !fw::Runtime::quitRequested())
            Global::App()->DoEvents(-1);
        // The wait runs other events: the reload button may have removed the row or put another cell
        // object in it. Only a button cell still in place gets its normal face back.
        fw::Ref<fw::Object> tagged = CellTag(row, column).objectValue();
        if (fw::IsA<ButtonsCell>(tagged))
            fw::Cast<ButtonsCell>(tagged)->mycolor = ButtonsCell::normalColor;
    }
    if (row < ListCount())
        InvalidateCell(row, column);
    return true;
}

void CustomCellListbox::Event_cellBackgroundPaint(fw::Ref<fw::Graphics> g, int32_t row, int32_t column)
{
    if (row < ListCount()) {
        if (Selected(row))
            gradient(g);
        if (fw::Ref<CustomListboxCell> cell = cellObject(row, column))
            cell->cellPaint(g, row);
    } else {
        g->setForeColor(Global::Window1()->BackColor());
        const int32_t width = g->Width();
        const int32_t height = g->Height();
        g->FillRect(0, 0, width, height);
    }
}

bool CustomCellListbox::Event_CompareRows(int32_t row1, int32_t row2, int32_t column, int32_t& result)
{
    if (cellObject(row1, column) && cellObject(row2, column)) {
        const int32_t value1 = cellObject(row1, column)->compareValue();
        const int32_t value2 = cellObject(row2, column)->compareValue();
        // The difference wraps, as a 32-bit subtraction does.
        result = static_cast<int32_t>(static_cast<uint32_t>(value1) - static_cast<uint32_t>(value2));
        return true;
    }
    return false;
}

void CustomCellListbox::gradient(fw::Ref<fw::Graphics> g)
{
    // The grey set unless the list is active and enabled; Enabled is read only when it is active.
    const bool blue = Active() && Enabled();
    const fw::Color top = blue ? fw::RGB(80, 171, 233) : fw::RGB(168, 168, 168);
    const fw::Color bottom = blue ? fw::RGB(0, 117, 215) : fw::RGB(121, 121, 121);
    const fw::Color line = blue ? fw::RGB(15, 145, 224) : fw::RGB(145, 145, 145);
    auto blend = [](int32_t bottomValue, double bottomShare, int32_t topValue, double topShare) {
        return fw::RuntimeCvtReal64ToSInt32(fw::RuntimeCvtSInt32ToReal64(bottomValue) * bottomShare
            + fw::RuntimeCvtSInt32ToReal64(topValue) * topShare);
    };
    for (int32_t i = 0; i <= g->Height(); ++i) {
        const double topShare
            = fw::RuntimeCvtSInt32ToReal64(g->Height() - i) / fw::RuntimeCvtSInt32ToReal64(g->Height());
        const double bottomShare
            = fw::RuntimeCvtSInt32ToReal64(i) / fw::RuntimeCvtSInt32ToReal64(g->Height());
        g->setForeColor(fw::RGB(blend(bottom.red(), bottomShare, top.red(), topShare),
            blend(bottom.green(), bottomShare, top.green(), topShare),
            blend(bottom.blue(), bottomShare, top.blue(), topShare)));
        g->DrawLine(0, i, g->Width(), i);
    }
    g->setForeColor(line);
    g->DrawLine(0, 0, g->Width(), 0);
}
