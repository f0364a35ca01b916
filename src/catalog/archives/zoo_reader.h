#pragma once
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// ZOO archives: a 34-byte archive header pointing at a chain of directory entries.
ReadResult ReadZoo(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink);

// Up to the NUL, upper case, a dot appended when it has none, at most 12 characters.
std::string ZooMemberName(std::string_view field);

}  // namespace tembrel::archives
