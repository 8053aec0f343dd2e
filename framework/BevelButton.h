#pragma once

#include "framework/RectControl.h"

namespace fw {

class Picture;

// A push button with a bevel that shows a picture and raises Action when clicked.
class BevelButton : public RectControl {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    BevelButton();
    ~BevelButton() override;

    virtual void Event_Action() { Action(); }
    Event<void()> Action;

    String Caption;
    int32_t CaptionAlign = 0;
    int32_t CaptionPlacement = 0;
    int32_t CaptionDelta = 0;
    int32_t IconAlign = 0;
    int32_t IconDX = 0;
    int32_t IconDY = 0;
    int32_t Bevel = 0;
    int32_t HasMenu = 0;
    bool Value = false;
    int32_t MenuValue = 0;
    int32_t ButtonType = 0;
    bool AcceptFocus = false;
    String TextFont;
    int32_t TextSize = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    // The picture the button shows, centred, through its mask; nil shows none.
    Ref<Picture> Icon() const;
    void setIcon(Ref<Picture> picture);

protected:
    qt::ControlWidget* createWidget(qt::WindowWidget& parent) override;

private:
    Ref<Picture> m_icon;
};

} // namespace fw
