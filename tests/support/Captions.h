#pragma once

#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"

#include <string>
#include <vector>

// The captions of the list's rows, read from the button cells that the rows hold. A row whose cell is
// not a button cell of one caption shows as "<no button cell>", so that it cannot pass for a caption.
inline std::vector<std::string> captions(const fw::Ref<CustomCellListbox>& list)
{
    std::vector<std::string> shown;
    for (int32_t row = 0; row < list->ListCount(); ++row) {
        const fw::Ref<fw::Object> held = list->CellTag(row, 0).objectValue();
        const fw::Ref<ButtonsCell> button
            = fw::IsA<ButtonsCell>(held) ? fw::Cast<ButtonsCell>(held) : nullptr;
        shown.push_back(
            button && button->captions().size() == 1 ? button->captions()[0].bytes() : "<no button cell>");
    }
    return shown;
}
