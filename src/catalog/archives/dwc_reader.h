#pragma once
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// DWC archives keep their directory at the end of the file, just before a trailer that ends
// with the signature "DWC".
ReadResult ReadDwc(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink);

// Up to the NUL, upper case, a dot appended when it has none.
std::string DwcMemberName(std::string_view field);
// A member or entry comment: at most 43 bytes, cut at the first control character.
std::string ShortComment(std::string_view raw);

}  // namespace tembrel::archives
