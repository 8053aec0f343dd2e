#pragma once

#include "framework/BinaryStream.h"
#include "framework/Object.h"
#include "platform/Seam.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace fw {

// A file or folder by its path, whether or not it exists.
class FolderItem : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    void Constructor(std::string nativePath);

    // Lists the folder afresh and keeps that listing for Item; 0 for a file or a missing folder.
    int32_t Count();
    // The item at the 1-based `index` of the kept listing (listed first if Count never was), or nil.
    Ref<FolderItem> Item(int32_t index);

    // The last part of the path, its bytes exactly.
    String Name() const;
    String DisplayName() const;
    // The item of that name in this folder, existing or not; nil for a name that would leave the folder.
    Ref<FolderItem> Child(const String& name) const;

    bool Exists() const;
    bool Directory() const;
    // A read-only stream, or nil for a folder, for what cannot be opened, and for readWrite True.
    Ref<BinaryStream> OpenAsBinaryFile(bool readWrite);
    // Hands the item to the desktop to open.
    void Launch(bool activate);

    String NativePath() const;

private:
    struct Listing;
    void list();
    const std::string& path() const;

    // The whole path. An item that a listing gave joins it from the listing's folder and its name only
    // when something needs it, so that until then the item costs no more than its name.
    mutable std::string m_path;
    std::shared_ptr<const Listing> m_listedIn; // the listing that gave this item, or nil
    size_t m_indexInListing = 0;
    std::shared_ptr<const Listing> m_listing; // this folder's own, from the last Count
};

// The item for `path` in `mode` 0: "" is the folder that holds the running program, a relative path is
// taken from that folder, an absolute path stands as it is. Nil for another mode, or when the program's
// folder cannot be found.
Ref<FolderItem> GetFolderItem(const String& path, int32_t mode);

// Where GetFolderItem("") points. Tests put a fixture folder in place of the program's.
struct ApplicationFolderSeam : platform::Seam<ApplicationFolderSeam, std::string> { };

} // namespace fw
