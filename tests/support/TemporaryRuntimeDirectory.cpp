#include "tests/support/TemporaryRuntimeDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

TemporaryRuntimeDirectory::TemporaryRuntimeDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "runtime-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary runtime directory");
    m_path = pattern;
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
    std::error_code ignored;
    // A test may have taken the owner's rights away; give them back so that all can go.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink()) chmod(it->path().c_str(), 0700);
    }
    std::filesystem::remove_all(m_path, ignored);
}

bool writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
