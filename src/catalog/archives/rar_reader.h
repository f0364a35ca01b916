#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// RAR archives of versions 1.5 to 4: a chain of blocks from the marker block on.
ReadResult ReadRar(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink);

// Drive and path dropped, a dot appended when it has none, upper case. With the Unicode flag
// the field holds a DOS name, a NUL and an encoded form; without a NUL it is UTF-8.
std::string RarMemberName(std::string_view raw, bool unicode_flag);

}  // namespace tembrel::archives
