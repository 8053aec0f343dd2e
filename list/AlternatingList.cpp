#include "list/AlternatingList.h"

const fw::ClassRecord& AlternatingList::__Lookup()
{
    static const fw::ClassRecord& record = fw::ClassRecord::define(
        "AlternatingList", &fw::Listbox::__Lookup(), fw::Listbox::interfaceRecords(), [](fw::ClassRecord& r) {
            r.methods = { { "Event_CellTextPaint", "%b%o<Graphics>i4i4i4i4" },
                { "Event_CellBackgroundPaint", "%b%o<Graphics>i4i4" } };
            r.declaredEvents = { "cellBackgroundPaint" };
            r.bindableEvents.push_back(fw::bindable(
                "cellBackgroundPaint", "( Graphics, Int32, Int32 )", &AlternatingList::cellBackgroundPaint));
        });
    return record;
}

bool AlternatingList::Event_CellTextPaint(fw::Ref<fw::Graphics> g, int32_t row, int32_t, int32_t, int32_t)
{
    if (Selected(row)) {
        g->setBold(true);
        g->setForeColor(fw::Color { 0xFFFFFF });
    } else {
        g->setBold(false);
        g->setForeColor(fw::Color { 0x000000 });
    }
    return false;
}

bool AlternatingList::Event_CellBackgroundPaint(fw::Ref<fw::Graphics> g, int32_t row, int32_t column)
{
    if (alternateRows) {
        if (row % 2 == 0 && !Selected(row)) {
            g->setForeColor(alternateColor);
            const int32_t width = g->Width();
            const int32_t height = g->Height();
            g->FillRect(0, 0, width, height);
        } else if (Selected(row)) {
            g->setForeColor(fw::RGB(30, 30, 100));
            const int32_t width = g->Width();
            const int32_t height = g->Height();
            g->FillRect(0, 0, width, height);
        }
    }
    Event_cellBackgroundPaint(g, row, column);
    return true;
}
