// Small helpers over POSIX file descriptors shared by the file writers.
#pragma once

#include <string_view>

namespace nemra {

// Writes all of `data` to `fd`, retrying short and interrupted writes; returns 0, or the
// errno value of the write that failed.
int WriteAllBytes(int fd, std::string_view data);

} // namespace nemra
