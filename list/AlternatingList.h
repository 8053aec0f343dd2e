#pragma once

#include "framework/Listbox.h"

// A list that styles each cell's text by selection and paints every cell background itself, handing
// it on as its own event cellBackgroundPaint.
class AlternatingList : public fw::Listbox {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

    bool Event_CellTextPaint(
        fw::Ref<fw::Graphics> g, int32_t row, int32_t column, int32_t x, int32_t y) override;
    bool Event_CellBackgroundPaint(fw::Ref<fw::Graphics> g, int32_t row, int32_t column) override;

    // Raised for every cell background, after the fill that the list may have made; spelled with a
    // lower-case c, it is not the framework's CellBackgroundPaint.
    virtual void Event_cellBackgroundPaint(fw::Ref<fw::Graphics> g, int32_t row, int32_t column)
    {
        cellBackgroundPaint(g, row, column);
    }
    fw::Event<void(fw::Ref<fw::Graphics>, int32_t, int32_t)> cellBackgroundPaint;

protected:
    bool alternateRows = false;
    fw::Color alternateColor;
};
