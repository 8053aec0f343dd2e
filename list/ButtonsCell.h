#pragma once

#include "framework/Color.h"
#include "list/CustomListboxCell.h"

#include <vector>

// The cell that the palette puts in each row: a rounded button captioned with a script's name. A
// click runs the script whose file is the caption followed by ".rbs".
class ButtonsCell : public CustomListboxCell {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    ButtonsCell();
    ~ButtonsCell() override;

    // Own operations, in slot order.
    bool cellClick(int32_t x, int32_t y) override;
    int32_t compareValue() override;
    void owner(fw::Ref<CustomCellListbox> list) override;
    virtual void addButton(const fw::String& caption);
    virtual void Constructor(const fw::String& caption, fw::Ref<CustomCellListbox> list);
    void cellPaint(fw::Ref<fw::Graphics> g, int32_t row) override;

    // The list that holds the cell. This reference and the list's CellTag make a cycle, which the
    // removal of the row ends: the list lets the cell go, and the cell's destructor lets the list go.
    fw::Ref<CustomCellListbox> myself;
    // The face colour: normalColor, or pressedColor while pressed.
    fw::Color mycolor;
    static constexpr fw::Color normalColor { 0xBDBBBD };
    static constexpr fw::Color pressedColor { 0x777777 };

private:
    // The captions in the order added; only the first is used.
    std::vector<fw::String> buttons;
};
