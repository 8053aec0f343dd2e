#pragma once

#include <string>

// Points XDG_RUNTIME_DIR at a fresh, empty folder for as long as it lives, so that a test's event
// directory is its own and the user's is never touched. The folder and all in it go at the end.
class TemporaryRuntimeDirectory {
public:
    TemporaryRuntimeDirectory();
    ~TemporaryRuntimeDirectory();
    TemporaryRuntimeDirectory(const TemporaryRuntimeDirectory&) = delete;
    TemporaryRuntimeDirectory& operator=(const TemporaryRuntimeDirectory&) = delete;

    const std::string& path() const { return m_path; }
    std::string eventDirectory() const { return m_path + "/apple-events"; }

private:
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
};

// Writes `bytes` to `path`, replacing it; false when it cannot.
bool writeFile(const std::string& path, const std::string& bytes);
// The whole content of `path`, or "<missing>" when it cannot be read.
std::string readFile(const std::string& path);
