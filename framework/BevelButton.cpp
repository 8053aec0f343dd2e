#include "framework/BevelButton.h"

#include "framework/Picture.h"

#include "framework/qt/BevelButtonWidget.h"

namespace fw {

const ClassRecord& BevelButton::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("BevelButton", &RectControl::__Lookup(), {}, [](ClassRecord& r) {
              r.properties = {
                  field("Caption", &BevelButton::Caption),
                  field("CaptionAlign", &BevelButton::CaptionAlign),
                  field("CaptionPlacement", &BevelButton::CaptionPlacement),
                  field("CaptionDelta", &BevelButton::CaptionDelta),
                  field("IconAlign", &BevelButton::IconAlign),
                  field("IconDX", &BevelButton::IconDX),
                  field("IconDY", &BevelButton::IconDY),
                  field("Bevel", &BevelButton::Bevel),
                  field("HasMenu", &BevelButton::HasMenu),
                  field("Value", &BevelButton::Value),
                  field("MenuValue", &BevelButton::MenuValue),
                  field("ButtonType", &BevelButton::ButtonType),
                  field("AcceptFocus", &BevelButton::AcceptFocus),
                  field("TextFont", &BevelButton::TextFont),
                  field("TextSize", &BevelButton::TextSize),
                  field("Bold", &BevelButton::Bold),
                  field("Italic", &BevelButton::Italic),
                  field("Underline", &BevelButton::Underline),
              };
              r.declaredEvents = { "Action", "Open", "Close", "MouseDown", "MouseUp" };
              r.bindableEvents.push_back(bindable("Action", "(  )", &BevelButton::Action));
          });
    return record;
}

BevelButton::BevelButton() = default;

BevelButton::~BevelButton() = default;

Ref<Picture> BevelButton::Icon() const
{
    return m_icon;
}

void BevelButton::setIcon(Ref<Picture> picture)
{
    m_icon = std::move(picture);
    Refresh();
}

qt::ControlWidget* BevelButton::createWidget(qt::WindowWidget& parent)
{
    return new qt::BevelButtonWidget(*this, parent);
}

} // namespace fw
