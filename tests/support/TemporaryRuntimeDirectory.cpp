#include "tests/support/TemporaryRuntimeDirectory.h"

#include <cstdlib>
#include <stdexcept>
#include <sys/stat.h>

TemporaryRuntimeDirectory::TemporaryRuntimeDirectory(size_t eventDirectoryLength)
    : m_path(m_folder.path())
{
    while (eventDirectory().size() < eventDirectoryLength) {
        m_path += "/deeper";
        if (mkdir(m_path.c_str(), 0700) != 0)
            throw std::runtime_error("cannot make " + m_path);
    }
    if (const char* previous = std::getenv("XDG_RUNTIME_DIR")) {
        m_hadPrevious = true;
        m_previous = previous;
    }
    setenv("XDG_RUNTIME_DIR", m_path.c_str(), 1);
}

TemporaryRuntimeDirectory::~TemporaryRuntimeDirectory()
{
    if (m_hadPrevious)
        setenv("XDG_RUNTIME_DIR", m_previous.c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
}
