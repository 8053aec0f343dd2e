#pragma once

#include "framework/qt/ScopedGraphics.h"
#include "list/ButtonsCell.h"
#include "list/CustomCellListbox.h"
#include "tests/support/Pixels.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <vector>

// A cell's caption is seen as the user sees it, in its paint: a cell shows a caption when it paints as
// a new button cell of that caption, with the same face, does. The area is wide enough for every
// caption of the tests to show whole.
inline QImage paintedCell(const fw::Ref<ButtonsCell>& cell)
{
    QImage image = pixels::filled(400, 20, fw::Color { 0x00FF00 });
    fw::qt::ScopedGraphics g(image);
    cell->cellPaint(g.get(), 0);
    return image;
}

inline bool showsCaption(const fw::Ref<ButtonsCell>& cell, const std::string& caption)
{
    fw::Ref<ButtonsCell> shown = fw::New<ButtonsCell>(fw::String(caption), cell->myself);
    shown->mycolor = cell->mycolor;
    return paintedCell(cell) == paintedCell(shown);
}

// Whether the list's rows hold button cells that show these captions, one row each, in this order.
inline testing::AssertionResult rowsShow(
    const fw::Ref<CustomCellListbox>& list, const std::vector<std::string>& captions)
{
    if (list->ListCount() != static_cast<int32_t>(captions.size()))
        return testing::AssertionFailure()
            << list->ListCount() << " rows for " << captions.size() << " captions";
    std::string wrong;
    for (int32_t row = 0; row < list->ListCount(); ++row) {
        const fw::Ref<fw::Object> held = list->CellTag(row, 0).objectValue();
        const std::string& caption = captions[static_cast<size_t>(row)];
        if (!fw::IsA<ButtonsCell>(held))
            wrong += "\nrow " + std::to_string(row) + " holds no button cell";
        else if (!showsCaption(fw::Cast<ButtonsCell>(held), caption))
            wrong += "\nrow " + std::to_string(row) + " does not show \"" + caption + "\"";
    }
    if (!wrong.empty())
        return testing::AssertionFailure() << "the rows differ from the captions:" << wrong;
    return testing::AssertionSuccess();
}
