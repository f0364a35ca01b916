#pragma once
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// SQZ archives: an 8-byte archive header ("HLSQZ" ...), then member headers and other blocks,
// each led by a size byte, up to a size byte of 0.
ReadResult ReadSqz(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink);

// A blank appended when it has no dot, upper case, the path dropped.
std::string SqzMemberName(std::string_view raw);

}  // namespace tembrel::archives
