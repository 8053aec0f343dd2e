#pragma once

#include "framework/Object.h"

#include <cstdint>
#include <string>

namespace fw {

// A read-only byte stream on an open file. It owns the file descriptor and closes it at Close or when
// the last reference goes.
class BinaryStream : public Object {
public:
    static const ClassRecord& __Lookup();
    const ClassRecord& classRecord() const override { return __Lookup(); }

    ~BinaryStream() override;

    // The file's length in bytes now; 0 once closed.
    uint64_t Length() const;
    // Up to `count` bytes from the current position, as a String of `encoding`. Fewer come back at the
    // end of the file or when the system stops the read; nothing for a count below 1 or a closed stream.
    String Read(int32_t count, Encoding encoding);
    void Close();

    // Opens a regular file (after links) for reading; false for anything else or a failed open.
    bool openReadOnly(const std::string& path);

private:
    int m_fd = -1;
};

} // namespace fw
