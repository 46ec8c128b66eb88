// Replacing a file's whole content safely: the bytes go to a temporary file with a short
// name in the target's folder, which then takes the target's name, so a failed write never
// leaves a truncated or half-written file behind.
#pragma once

#include "core/ThaiText.h"

#include <string>
#include <string_view>

namespace nemra {

// Writes `bytes` as the new content of the regular file at `path` (UTF-8 path), creating it
// when missing. A symbolic link is followed: its target gets the content, the link stays. A
// path naming a directory or another non-regular file is refused. On any
// failure the old file, if there was one, is left as it was, and the result carries the
// reason.
Result<> ReplaceFileContents(const std::string& path, std::string_view bytes);

} // namespace nemra
