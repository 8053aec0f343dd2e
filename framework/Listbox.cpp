#include "framework/Listbox.h"

namespace fw {

const ClassRecord& Listbox::__Lookup()
{
    static const ClassRecord& record = ClassRecord::define("Listbox", &RectControl::__Lookup(), {}, [](ClassRecord& r) {
        r.properties = {
            field("ColumnCount", &Listbox::ColumnCount),
            field("ColumnWidths", &Listbox::ColumnWidths),
            field("HasHeading", &Listbox::HasHeading),
            field("UseFocusRing", &Listbox::UseFocusRing),
            field("InitialValue", &Listbox::InitialValue),
            field("HeadingIndex", &Listbox::HeadingIndex),
            field("ScrollBarHorizontal", &Listbox::ScrollBarHorizontal),
            field("ScrollBarVertical", &Listbox::ScrollBarVertical),
            field("GridLinesHorizontal", &Listbox::GridLinesHorizontal),
            field("GridLinesVertical", &Listbox::GridLinesVertical),
            field("DefaultRowHeight", &Listbox::DefaultRowHeight),
            field("_ScrollWidth", &Listbox::_ScrollWidth),
            field("_ScrollOffset", &Listbox::_ScrollOffset),
            field("TextFont", &Listbox::TextFont),
            field("TextSize", &Listbox::TextSize),
            field("Bold", &Listbox::Bold),
            field("Italic", &Listbox::Italic),
            field("Underline", &Listbox::Underline),
            field("Hierarchical", &Listbox::Hierarchical),
            field("EnableDrag", &Listbox::EnableDrag),
            field("EnableDragReorder", &Listbox::EnableDragReorder),
            field("RequiresSelection", &Listbox::RequiresSelection),
            field("SelectionType", &Listbox::SelectionType),
            field("ColumnsResizable", &Listbox::ColumnsResizable),
            field("AutoHideScrollbars", &Listbox::AutoHideScrollbars),
            field("DataSource", &Listbox::DataSource),
            field("DataField", &Listbox::DataField),
        };
        r.declaredEvents = { "Open", "Close", "MouseDown", "CellClick", "CellTextPaint", "CellBackgroundPaint",
            "CompareRows", "Change", "DoubleClick" };
        r.bindableEvents = {
            bindable("MouseDown", "( Int32, Int32 ) as Boolean", &Listbox::MouseDown),
            bindable("CellClick", "( Int32, Int32, Int32, Int32 ) as Boolean", &Listbox::CellClick),
        };
    });
    return record;
}

} // namespace fw
