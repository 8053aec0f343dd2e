#pragma once

#include "framework/Application.h"
#include "framework/Object.h"

#include <utility>

namespace fw::qt {

// The one way from a Qt event into our objects. The object is held while its code runs, because a
// handler may close its window or delete its rows, and an exception that escapes is held for the event
// loop instead of unwinding through Qt.
template <class T, class Code> void enter(T& object, Code&& code) noexcept
{
    Ref<T> protector(&object);
    dispatchGuarded(std::forward<Code>(code));
}

// The same for code that belongs to no one object (the framework's own lists).
template <class Code> void enter(Code&& code) noexcept
{
    dispatchGuarded(std::forward<Code>(code));
}

} // namespace fw::qt
