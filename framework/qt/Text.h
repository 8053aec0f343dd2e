#pragma once

#include "framework/String.h"

#include <QString>

namespace fw::qt {

// Every byte counts, NUL included. Bytes that are not valid UTF-8 decode to replacement characters,
// so that any text shows.
inline QString toQString(const String& text)
{
    return QString::fromUtf8(text.bytes().data(), static_cast<qsizetype>(text.byteLength()));
}

} // namespace fw::qt
