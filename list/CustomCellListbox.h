#pragma once

#include "list/AlternatingList.h"
#include "list/CustomListboxCell.h"

// The list whose cells hold cell objects that paint themselves, take clicks and give sort values.
// A cell object lives in its cell's CellTag; the list keeps no other reference to it.
class CustomCellListbox : public AlternatingList {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    fw::Color cellcolor;

    // Own operations, in slot order.
    bool Event_CellClick(int32_t row, int32_t column, int32_t x, int32_t y) override;
    void Event_cellBackgroundPaint(fw::Ref<fw::Graphics> g, int32_t row, int32_t column) override;
    bool Event_CompareRows(int32_t row1, int32_t row2, int32_t column, int32_t& result) override;
    // The assignment `customCell(row, column) = cell`.
    virtual void customCell(int32_t row, int32_t column, fw::Ref<CustomListboxCell> cell);

    // Declared events. CellClick takes over the framework's event of that name, with the cell object
    // as its argument; it is raised when the cell object has not handled the click.
    fw::Event<void(fw::Ref<CustomListboxCell>)> CustomCellClick;
    fw::Event<bool(fw::Ref<CustomListboxCell>)> CellClick;

protected:
    virtual void gradient(fw::Ref<fw::Graphics> g);

private:
    // The cell object in the cell's CellTag, read anew; nil when the tag holds none.
    fw::Ref<CustomListboxCell> cellObject(int32_t row, int32_t column) const;
};
