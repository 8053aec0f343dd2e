#pragma once

#include "framework/Listbox.h"

// A list that styles each cell's text by selection and paints every cell background itself, handing
// it on as its own event cellBackgroundPaint.
class AlternatingList : public fw::Listbox {
public:
    static const fw::ClassRecord& __Lookup();
    const fw::ClassRecord& classRecord() const override { return __Lookup(); }

protected:
    bool alternateRows = false;
    fw::Color alternateColor;
};
