// Small helpers over POSIX file descriptors shared by the file readers and writers. Files are
// read and written only when they are regular files: opening a FIFO or a device would block
// or read forever, so such a name is refused with kNotRegularFileReason.
#pragma once

#include "core/Result.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace nemra {

// The reason given for a name that is neither a regular file nor missing.
inline constexpr const char* kNotRegularFileReason = "not a regular file";

// Writes all of `data` to `fd`, retrying short and interrupted writes; returns 0, or the
// errno value of the write that failed. `written`, when given, receives the number of bytes
// that did reach the file.
int WriteAllBytes(int fd, std::string_view data, std::size_t* written = nullptr);

// Why a file could not be read.
struct FileFault {
    bool missing = false;    // no file of that name (nothing to refuse)
    bool notRegular = false; // a folder, a FIFO, a device: refused without reading
    std::string reason;      // the system's reason, or kNotRegularFileReason
};

// A file's bytes, or why they could not be read.
using FileBytes = Result<std::string, FileFault>;

// Reads at most `maxBytes` + 1 bytes of the regular file at `path` (so a caller can tell a
// file longer than `maxBytes`). Never blocks on a FIFO or a device: anything but a regular
// file is refused.
FileBytes ReadRegularFile(const std::string& path, std::size_t maxBytes);

} // namespace nemra
