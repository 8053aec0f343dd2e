#pragma once

#include "app/Window1.h"
#include "framework/FolderItem.h"

#include <optional>
#include <string>
#include <vector>

namespace bench {

// Points the program's folder at `folder` for the length of a scope.
class ApplicationFolder {
public:
    explicit ApplicationFolder(const std::string& folder)
        : m_previous(fw::ApplicationFolderSeam::install(folder))
    {
    }
    ~ApplicationFolder() { fw::ApplicationFolderSeam::install(std::move(m_previous)); }
    ApplicationFolder(const ApplicationFolder&) = delete;
    ApplicationFolder& operator=(const ApplicationFolder&) = delete;

private:
    std::optional<std::string> m_previous;
};

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
