#include "tests/support/ScriptFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

ScriptFolder::ScriptFolder()
    : m_scope(path())
{
}

void ScriptFolder::write(const std::string& name, const std::string& bytes) const
{
    ASSERT_TRUE(writeFile(pathOf(name), bytes)) << name;
}

void ScriptFolder::makeFolder(const std::string& name) const
{
    ASSERT_TRUE(std::filesystem::create_directory(pathOf(name))) << name;
}
