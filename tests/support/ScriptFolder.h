#pragma once

#include "framework/FolderItem.h"
#include "tests/support/TemporaryFolder.h"

#include <optional>
#include <string>

// A fresh temporary folder that stands as the program's folder for the length of a scope, removed
// with everything in it at the end.
class ScriptFolder {
public:
    ScriptFolder();

    const std::string& path() const { return m_folder.path(); }
    std::string pathOf(const std::string& name) const { return m_folder.pathOf(name); }
    // Writes a file of exactly these bytes.
    void write(const std::string& name, const std::string& bytes = {}) const;
    void makeFolder(const std::string& name) const;

private:
    TemporaryFolder m_folder { "ide-script" };
    fw::ApplicationFolderSeam::Scoped m_scope; // after the folder, whose path it holds
};
