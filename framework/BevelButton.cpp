#include "framework/BevelButton.h"

#include "framework/Application.h"
#include "framework/Graphics.h"
#include "framework/Picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace fw {

// The Qt side of a bevel button: it draws the bevel and the pressed state, and turns a click (press
// and release inside) into the button's Action.
class BevelButtonWidget : public QWidget {
public:
    BevelButtonWidget(BevelButton& owner, QWidget* parent)
        : QWidget(parent)
        , m_owner(owner)
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect box = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(rect(), m_pressed ? QColor(0x99, 0x99, 0x99) : QColor(0xDD, 0xDD, 0xDD));
        painter.setPen(m_pressed ? QColor(0x66, 0x66, 0x66) : QColor(0xFF, 0xFF, 0xFF));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(m_pressed ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x80, 0x80, 0x80));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
        Ref<Picture> icon = m_owner.Icon();
        if (!icon)
            return;
        dispatchGuarded([&] {
            Ref<Graphics> g = New<Graphics>(&painter, rect());
            // The Graphics must not outlive this paint's painter, whatever happens while drawing.
            struct Detach {
                Graphics& g;
                ~Detach() { g.detach(); }
            } detach { *g };
            const int32_t x = (width() - icon->Width()) / 2 + (m_pressed ? 1 : 0);
            const int32_t y = (height() - icon->Height()) / 2 + (m_pressed ? 1 : 0);
            g->DrawPicture(icon, x, y, -10000, -10000, 0, 0, -10000, -10000);
        });
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_pressed = true;
        update();
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || !m_pressed)
            return;
        m_pressed = false;
        update();
        if (rect().contains(event->position().toPoint())) {
            Ref<BevelButton> protector(&m_owner);
            dispatchGuarded([&] { m_owner.Event_Action(); });
        }
    }

private:
    BevelButton& m_owner;
    bool m_pressed = false;
};

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

QWidget* BevelButton::createWidget(QWidget* parent)
{
    return new BevelButtonWidget(*this, parent);
}

void BevelButton::Push()
{
    Ref<BevelButton> protector(this);
    Event_Action();
}

} // namespace fw
