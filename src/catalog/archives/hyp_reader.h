#pragma once
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// HYP archives: headers from the start of the file, each opened by 0x1A; any other byte ends
// the archive.
ReadResult ReadHyp(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink);

// The path is dropped, the rest upper-cased.
std::string HypMemberName(std::string_view raw);

}  // namespace tembrel::archives
