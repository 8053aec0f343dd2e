#pragma once

#include "framework/RectControl.h"

namespace fw {

class Graphics;

// The framework's list control: rows and columns of text cells, each with a tag.
class Listbox : public RectControl {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    // Events. A subclass that implements one overrides its Event_ operation.
    virtual bool Event_MouseDown(int32_t x, int32_t y) { return MouseDown(x, y); }
    virtual bool Event_CellClick(int32_t row, int32_t column, int32_t x, int32_t y)
    {
        return CellClick(row, column, x, y);
    }
    virtual bool Event_CompareRows(int32_t row1, int32_t row2, int32_t column, int32_t& result)
    {
        return CompareRows(row1, row2, column, result);
    }
    Event<bool(int32_t, int32_t)> MouseDown;
    Event<bool(int32_t, int32_t, int32_t, int32_t)> CellClick;
    Event<bool(int32_t, int32_t, int32_t, int32_t&)> CompareRows;

    // Settings kept as given (the ones with an effect get accessors as the list grows).
    int32_t ColumnCount = 1;
    String ColumnWidths;
    bool HasHeading = false;
    bool UseFocusRing = true;
    String InitialValue;
    int32_t HeadingIndex = -1;
    bool ScrollBarHorizontal = false;
    bool ScrollBarVertical = true;
    int32_t GridLinesHorizontal = 0;
    int32_t GridLinesVertical = 0;
    int32_t DefaultRowHeight = 20;
    int32_t _ScrollWidth = -1;
    int32_t _ScrollOffset = 0;
    String TextFont;
    int32_t TextSize = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Hierarchical = false;
    bool EnableDrag = false;
    bool EnableDragReorder = false;
    bool RequiresSelection = false;
    int32_t SelectionType = 0;
    bool ColumnsResizable = false;
    bool AutoHideScrollbars = true;
    String DataSource;
    String DataField;
};

} // namespace fw
