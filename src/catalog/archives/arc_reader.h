#pragma once
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// ARC and PAK archives: a chain of headers from the start of the file up to an end mark.
ReadResult ReadArc(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink);

// The 13-byte name field as the catalog shows it: up to its NUL, upper case, a dot appended
// when it has none, at most 12 characters.
std::string ArcMemberName(std::string_view field);

}  // namespace tembrel::archives
