#pragma once
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// LBR libraries: a directory of 32-byte records at the start of the file, whose first record
// describes the directory itself.
ReadResult ReadLbr(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink);

// Name and extension joined by a dot, padding blanks kept (12 characters), upper case.
std::string LbrMemberName(std::string_view name8, std::string_view ext3);

}  // namespace tembrel::archives
