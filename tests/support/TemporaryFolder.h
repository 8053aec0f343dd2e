#pragma once

#include <string>

// A fresh, empty folder under the system's temporary folder for as long as it lives; it and all in it
// go at the end, even where a test took the owner's rights away. Tests and benchmarks share it.
class TemporaryFolder {
public:
    // The folder's name starts with the prefix, so that a left-over one tells whose it was.
    explicit TemporaryFolder(const std::string& prefix);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string pathOf(const std::string& name) const { return m_path + "/" + name; }
    // Writes a file of exactly these bytes in the folder; throws when it cannot.
    void write(const std::string& name, const std::string& bytes = {}) const;

private:
    std::string m_path;
};

// Writes `bytes` to `path`, replacing it; false when it cannot.
bool writeFile(const std::string& path, const std::string& bytes);
// The whole content of `path`, or "<missing>" when it cannot be read.
std::string readFile(const std::string& path);
