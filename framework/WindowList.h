#pragma once

#include "framework/Object.h"

#include <vector>

namespace fw {

class Window;

// The framework's own lists of windows: every window it holds, and those whose Open events are due.
namespace WindowList {
std::vector<Ref<Window>>& all();
void add(const Ref<Window>& window);
void remove(Window& window);
void scheduleOpen(const Ref<Window>& window);
// Raises the due Open events, in the order the windows were made.
void openPending();
// Closes and releases every window.
void releaseAll();
} // namespace WindowList

} // namespace fw
