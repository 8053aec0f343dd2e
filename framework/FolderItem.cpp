#include "framework/FolderItem.h"

#include "framework/ClassRecord.h"
#include "platform/FolderOpening.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fw {

namespace {

std::string joined(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// The folder of the executable itself, not the working folder: the scripts sit beside the program.
std::optional<std::string> programFolder()
{
    if (auto folder = ApplicationFolderSeam::replacement())
        return folder;
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

// Eight bytes of `name` from `depth` on as one number that orders as the bytes do, unsigned; past the
// name's end it is zeros, so that a name sorts before the longer names it begins.
uint64_t chunkAt(const std::string& name, size_t depth)
{
    unsigned char bytes[8] = {};
    if (depth < name.size())
        std::memcpy(bytes, name.data() + depth, std::min<size_t>(8, name.size() - depth));
    uint64_t chunk = 0;
    for (unsigned char byte : bytes)
        chunk = (chunk << 8) | byte;
    return chunk;
}

struct Keyed {
    uint64_t chunk;
    uint32_t index;
};

// Sorts by the chunk at `depth`, then each run of equal chunks by the next one, until the names of a
// run end: numbers compare at a fraction of the cost of strings, and stay in the records being moved.
void sortFrom(std::vector<Keyed>::iterator first, std::vector<Keyed>::iterator last, size_t depth,
    const std::vector<std::string>& names)
{
    std::sort(first, last, [](const Keyed& a, const Keyed& b) { return a.chunk < b.chunk; });
    while (first != last) {
        auto run = first + 1;
        bool longer = names[first->index].size() > depth + 8;
        while (run != last && run->chunk == first->chunk) {
            longer = longer || names[run->index].size() > depth + 8;
            ++run;
        }
        if (run - first > 1 && longer) {
            for (auto item = first; item != run; ++item)
                item->chunk = chunkAt(names[item->index], depth + 8);
            sortFrom(first, run, depth + 8, names);
        }
        first = run;
    }
}

// Byte order, each byte unsigned: what std::sort on the strings gives, at less cost.
void sortByBytes(std::vector<std::string>& names)
{
    std::vector<Keyed> keyed(names.size());
    for (size_t i = 0; i < names.size(); ++i)
        keyed[i] = { chunkAt(names[i], 0), static_cast<uint32_t>(i) };
    sortFrom(keyed.begin(), keyed.end(), 0, names);
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const Keyed& item : keyed)
        sorted.push_back(std::move(names[item.index]));
    names = std::move(sorted);
}

} // namespace

struct FolderItem::Listing {
    std::string folder;
    std::vector<std::string> names; // in byte order
};

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
    auto listing = std::make_shared<Listing>();
    listing->folder = path();
    // readdir directly: a Qt listing of the same folder is about ten times slower. Hidden items count.
    if (DIR* folder = ::opendir(listing->folder.c_str())) {
        while (const dirent* entry = ::readdir(folder)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..")
                listing->names.emplace_back(name);
        }
        ::closedir(folder);
    }
    // Byte order: stable from one listing to the next, and independent of the locale and of the order
    // the file system returns.
    sortByBytes(listing->names);
    m_listing = std::move(listing);
}

int32_t FolderItem::Count()
{
    list();
    return static_cast<int32_t>(std::min<size_t>(m_listing->names.size(), INT32_MAX));
}

Ref<FolderItem> FolderItem::Item(int32_t index)
{
    if (!m_listing)
        list();
    if (index < 1 || static_cast<size_t>(index) > m_listing->names.size())
        return nullptr;
    Ref<FolderItem> item = New<FolderItem>();
    item->m_listedIn = m_listing;
    item->m_indexInListing = static_cast<size_t>(index) - 1;
    return item;
}

const std::string& FolderItem::path() const
{
    if (m_listedIn && m_path.empty())
        m_path = joined(m_listedIn->folder, m_listedIn->names[m_indexInListing]);
    return m_path;
}

String FolderItem::Name() const
{
    if (m_listedIn) // the listing's own bytes, shared
        return String(std::shared_ptr<const std::string>(m_listedIn, &m_listedIn->names[m_indexInListing]),
            Encoding::UTF8);
    const size_t slash = m_path.rfind('/');
    if (slash == std::string::npos || m_path.size() == 1)
        return String(m_path, Encoding::UTF8);
    return String(m_path.substr(slash + 1), Encoding::UTF8);
}

// Linux desktops show a file's name as it stands, hiding no extension, so the display name is the name.
// Its bytes are its own, not the listing's: what is made of a display name, a caption, outlives the
// walk, and bytes shared with the listing would keep every name of the folder alive with it.
String FolderItem::DisplayName() const
{
    return String(Name().bytes(), Encoding::UTF8);
}

Ref<FolderItem> FolderItem::Child(const String& name) const
{
    const std::string& bytes = name.bytes();
    if (bytes.empty() || bytes == "." || bytes == ".." || bytes.find('/') != std::string::npos
        || bytes.find('\0') != std::string::npos)
        return nullptr;
    return New<FolderItem>(joined(path(), bytes));
}

// Both follow links, so a link counts as what it points at and a broken link does not exist.
bool FolderItem::Exists() const
{
    struct stat status;
    return statOf(path(), status);
}

bool FolderItem::Directory() const
{
    struct stat status;
    return statOf(path(), status) && S_ISDIR(status.st_mode);
}

Ref<BinaryStream> FolderItem::OpenAsBinaryFile(bool readWrite)
{
    // The program only reads files: no writable stream is offered.
    if (readWrite)
        return nullptr;
    Ref<BinaryStream> stream = New<BinaryStream>();
    if (!stream->openReadOnly(path()))
        return nullptr;
    return stream;
}

// The desktop's opener raises its own window, so the activate flag asks for nothing more.
void FolderItem::Launch(bool)
{
    platform::openWithDesktop(path());
}

String FolderItem::NativePath() const
{
    return String(path(), Encoding::UTF8);
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

} // namespace fw
