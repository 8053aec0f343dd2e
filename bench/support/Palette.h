#pragma once

#include "app/Window1.h"
#include "framework/FolderItem.h"

#include <optional>
#include <string>
#include <vector>

namespace bench {

// Points the program's folder at a folder for the length of a scope.
using ApplicationFolder = fw::ApplicationFolderSeam::Scoped;

// The palette as the program starts it, short of the event loop: the application object, the window
// with its controls, and their Open events, with the program's folder empty so that the list starts
// empty. The window is left shown, as it is while the IDE is in front. Made once per process.
fw::Ref<Window1> palette();

// Message boxes are kept here instead of being shown, so that a failure ends a benchmark instead of
// waiting for a click.
std::vector<std::string>& messageBoxes();

// Processes the events that are pending, paints included.
void settle();

} // namespace bench
