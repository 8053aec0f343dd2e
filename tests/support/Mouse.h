#pragma once

#include "framework/BevelButton.h"
#include "framework/qt/ControlWidget.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

// A left-button event at x, y of the widget, as the user makes it.
inline void sendMouse(QWidget* widget, QEvent::Type type, int x, int y)
{
    const QPointF at(x, y);
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A left-button press at x, y of the widget.
inline void press(QWidget* widget, int x, int y)
{
    sendMouse(widget, QEvent::MouseButtonPress, x, y);
}

// A click, press and release, in the middle of the button's widget: the button raises its Action as
// it does for the user's.
inline void clickButton(const fw::Ref<fw::BevelButton>& button)
{
    QWidget* widget = button->widget();
    for (QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease })
        sendMouse(widget, type, widget->width() / 2, widget->height() / 2);
}
