#include "tests/support/TemporaryRuntimeDirectory.h"

#include <cstdlib>

TemporaryRuntimeDirectory::TemporaryRuntimeDirectory()
{
    if (const char* previous = std::getenv("XDG_RUNTIME_DIR")) {
        m_hadPrevious = true;
        m_previous = previous;
    }
    setenv("XDG_RUNTIME_DIR", path().c_str(), 1);
}

TemporaryRuntimeDirectory::~TemporaryRuntimeDirectory()
{
    if (m_hadPrevious)
        setenv("XDG_RUNTIME_DIR", m_previous.c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
}
