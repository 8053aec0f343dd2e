#pragma once

#include "framework/Color.h"
#include "list/CustomListboxCell.h"

// The cell that the palette puts in each row: a rounded button captioned with a script's name.
class ButtonsCell : public CustomListboxCell {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    // The face colour: 0xBDBBBD normal, 0x777777 while pressed.
    fw::Color mycolor;
};
