#pragma once

#include "framework/String.h"

#include <functional>

namespace fw {

// Shows `text` in a modal message box with an OK button and returns when the user closes it. Once
// the application has quit (Runtime::applicationQuit), it shows nothing and returns at once.
void MsgBox(const String& text);

// Where message boxes go instead of the screen. Tests install a handler to see the texts without a
// modal loop; with none installed, MsgBox shows the real box.
struct MsgBoxSeam {
    using Handler = std::function<void(const String& text)>;
    // Returns the handler it replaces, so that a scope can put it back.
    static Handler install(Handler handler);
};

} // namespace fw
