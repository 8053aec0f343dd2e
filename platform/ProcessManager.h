#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace fw::platform {

// Which application is in front lives in the event directory's file `front`: exactly the four bytes
// of its creator code.

inline constexpr int16_t noErr = 0;
inline constexpr int16_t paramErr = -50;
inline constexpr int16_t procNotFound = -600;

// Puts `creator` in front: writes a temporary file beside `front` and renames it over `front`, so a
// reader sees the old code or the new one, never a mix. False when the directory is refused or the
// file cannot be written.
bool bringToFront(uint32_t creator);

// The creator code in `front`, or nothing when the directory is refused, or the file is missing,
// unreadable, not a plain file (a symlink in its place could point anywhere) or not exactly four
// bytes long.
std::optional<uint32_t> frontCreator();

// Fills the 8-byte serial-number block at `psn` for the front process. noErr; procNotFound, with the
// block untouched, when frontCreator() has none; paramErr for a nil block. The block carries the creator
// code, which is all that we know of a process.
int16_t GetFrontProcess(void* psn);

// Fills the 60-byte process information record at `info` for the process `psn` names (a block from
// GetFrontProcess), with the creator code at offset 20 in host byte order. The two pointer fields, the
// name at 4 and the application file's at 56, are neither written nor written through.
int16_t GetProcessInformation(const void* psn, void* info);

inline constexpr size_t processSerialNumberSize = 8;
inline constexpr size_t processInfoRecSize = 60;

} // namespace fw::platform
