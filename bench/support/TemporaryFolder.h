#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& prefix = "ide-script-bench");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string pathOf(const std::string& name) const { return m_path + "/" + name; }
    // Writes a file of exactly these bytes; throws when it cannot.
    void write(const std::string& name, const std::string& bytes = {}) const;

private:
    std::string m_path;
};
