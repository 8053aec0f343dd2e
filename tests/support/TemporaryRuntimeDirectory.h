#pragma once

#include "tests/support/TemporaryFolder.h"

#include <cstddef>
#include <string>

// Points XDG_RUNTIME_DIR at a fresh, empty folder for as long as it lives, so that a test's event
// directory is its own and the user's is never touched. The folder and all in it go at the end.
class TemporaryRuntimeDirectory {
public:
    // With a length, the runtime folder lies in nested folders below the temporary one, deep enough
    // that the event directory's path has at least that many bytes.
    explicit TemporaryRuntimeDirectory(size_t eventDirectoryLength = 0);
    ~TemporaryRuntimeDirectory();
    TemporaryRuntimeDirectory(const TemporaryRuntimeDirectory&) = delete;
    TemporaryRuntimeDirectory& operator=(const TemporaryRuntimeDirectory&) = delete;

    const std::string& path() const { return m_path; }
    std::string eventDirectory() const { return m_path + "/apple-events"; }

private:
    TemporaryFolder m_folder { "runtime" };
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
};
