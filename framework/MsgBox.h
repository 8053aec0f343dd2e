#pragma once

#include "framework/String.h"
#include "platform/Seam.h"

#include <functional>

namespace fw {

// Shows `text` in a modal message box with an OK button and returns when the user closes it. Once
// the application has quit (Runtime::applicationQuit), it shows nothing and returns at once.
void MsgBox(const String& text);

// Where message boxes go instead of the screen. Tests put a handler in place to see the texts
// without a modal loop; with none, MsgBox shows the real box.
struct MsgBoxSeam : platform::Seam<MsgBoxSeam, std::function<void(const String& text)>> { };

} // namespace fw
