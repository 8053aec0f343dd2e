#include "tests/support/ScriptFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

ScriptFolder::ScriptFolder()
    : m_previous(fw::ApplicationFolderSeam::install(path()))
{
}

ScriptFolder::~ScriptFolder()
{
    fw::ApplicationFolderSeam::install(std::move(m_previous));
}

void ScriptFolder::write(const std::string& name, const std::string& bytes) const
{
    ASSERT_TRUE(writeFile(pathOf(name), bytes)) << name;
}

void ScriptFolder::makeFolder(const std::string& name) const
{
    ASSERT_TRUE(std::filesystem::create_directory(pathOf(name))) << name;
}
