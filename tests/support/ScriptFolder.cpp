#include "tests/support/ScriptFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

ScriptFolder::ScriptFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ide-script-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
    m_previous = fw::ApplicationFolderSeam::install(m_path);
}

ScriptFolder::~ScriptFolder()
{
    fw::ApplicationFolderSeam::install(std::move(m_previous));
    std::error_code ignored;
    std::filesystem::permissions(
        m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void ScriptFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream file(pathOf(name), std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << name;
}

void ScriptFolder::makeFolder(const std::string& name) const
{
    ASSERT_TRUE(std::filesystem::create_directory(pathOf(name))) << name;
}
