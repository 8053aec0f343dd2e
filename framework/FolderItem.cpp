#include "framework/FolderItem.h"

#include "framework/ClassRecord.h"
#include "platform/FolderOpening.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

namespace fw {

namespace {

std::optional<std::string>& folderOverride()
{
    static std::optional<std::string> folder;
    return folder;
}

std::string joined(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// The folder of the executable itself, not the working folder: the scripts sit beside the program.
std::optional<std::string> programFolder()
{
    if (folderOverride())
        return folderOverride();
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_parent_path())
        return std::nullopt;
    return executable.parent_path().string();
}

bool statOf(const std::string& path, struct stat& status)
{
    return ::stat(path.c_str(), &status) == 0;
}

} // namespace

const ClassRecord& FolderItem::__Lookup()
{
    static const ClassRecord& record
        = ClassRecord::define("FolderItem", &Object::__Lookup(), {}, [](ClassRecord& r) {
              r.methods = { { "Count", "%i4%" }, { "Item", "%o<FolderItem>%i4" }, { "Name", "%s%" },
                  { "DisplayName", "%s%" }, { "Child", "%o<FolderItem>%s" }, { "Exists", "%b%" },
                  { "Directory", "%b%" }, { "OpenAsBinaryFile", "%o<BinaryStream>%b" }, { "Launch", "%%b" },
                  { "NativePath", "%s%" } };
          });
    return record;
}

void FolderItem::Constructor(std::string nativePath)
{
    // Trailing slashes would hide the last name; the root keeps its one.
    while (nativePath.size() > 1 && nativePath.back() == '/')
        nativePath.pop_back();
    m_path = std::move(nativePath);
}

void FolderItem::list()
{
    std::vector<std::string> names;
    // readdir directly: a Qt listing of the same folder is about ten times slower. Hidden items count.
    if (DIR* folder = ::opendir(m_path.c_str())) {
        while (const dirent* entry = ::readdir(folder)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..")
                names.emplace_back(name);
        }
        ::closedir(folder);
    }
    // Byte order (std::string compares as unsigned bytes): stable from one listing to the next, and
    // independent of the locale and of the order the file system returns.
    std::sort(names.begin(), names.end());
    m_listing = std::move(names);
}

int32_t FolderItem::Count()
{
    list();
    return static_cast<int32_t>(std::min<size_t>(m_listing->size(), INT32_MAX));
}

Ref<FolderItem> FolderItem::Item(int32_t index)
{
    if (!m_listing)
        list();
    if (index < 1 || static_cast<size_t>(index) > m_listing->size())
        return nullptr;
    return New<FolderItem>(joined(m_path, (*m_listing)[static_cast<size_t>(index) - 1]));
}

String FolderItem::Name() const
{
    const size_t slash = m_path.rfind('/');
    if (slash == std::string::npos || m_path.size() == 1)
        return String(m_path, Encoding::UTF8);
    return String(m_path.substr(slash + 1), Encoding::UTF8);
}

// Linux desktops show a file's name as it stands, hiding no extension, so the display name is the name.
String FolderItem::DisplayName() const
{
    return Name();
}

Ref<FolderItem> FolderItem::Child(const String& name) const
{
    const std::string& bytes = name.bytes();
    if (bytes.empty() || bytes == "." || bytes == ".." || bytes.find('/') != std::string::npos
        || bytes.find('\0') != std::string::npos)
        return nullptr;
    return New<FolderItem>(joined(m_path, bytes));
}

// Both follow links, so a link counts as what it points at and a broken link does not exist.
bool FolderItem::Exists() const
{
    struct stat status;
    return statOf(m_path, status);
}

bool FolderItem::Directory() const
{
    struct stat status;
    return statOf(m_path, status) && S_ISDIR(status.st_mode);
}

Ref<BinaryStream> FolderItem::OpenAsBinaryFile(bool readWrite)
{
    // The program only reads files: no writable stream is offered.
    if (readWrite)
        return nullptr;
    Ref<BinaryStream> stream = New<BinaryStream>();
    if (!stream->openReadOnly(m_path))
        return nullptr;
    return stream;
}

// The desktop's opener raises its own window, so the activate flag asks for nothing more.
void FolderItem::Launch(bool)
{
    platform::openWithDesktop(m_path);
}

String FolderItem::NativePath() const
{
    return String(m_path, Encoding::UTF8);
}

Ref<FolderItem> GetFolderItem(const String& path, int32_t mode)
{
    if (mode != 0)
        return nullptr;
    const std::string& bytes = path.bytes();
    if (!bytes.empty() && bytes.front() == '/')
        return New<FolderItem>(bytes);
    const std::optional<std::string> folder = programFolder();
    if (!folder)
        return nullptr;
    return New<FolderItem>(bytes.empty() ? *folder : joined(*folder, bytes));
}

std::optional<std::string> ApplicationFolderSeam::install(std::optional<std::string> folder)
{
    return std::exchange(folderOverride(), std::move(folder));
}

} // namespace fw
