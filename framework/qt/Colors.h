#pragma once

#include "framework/Color.h"

#include <QColor>

namespace fw::qt {

inline QColor toQColor(Color color)
{
    return QColor(color.red(), color.green(), color.blue());
}

inline Color fromQColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace fw::qt
