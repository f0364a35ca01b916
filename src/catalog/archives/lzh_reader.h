#pragma once
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// LZH and LZS archives: a chain of headers from the start of the file, at header levels 0, 1
// and 2, up to an end mark (a header size of 0).
ReadResult ReadLzh(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink);

// The part after the last separator; empty when it is only blanks, NULs and 0xFF bytes,
// otherwise with a dot appended when it has none, upper case, at most 12 characters.
std::string LzhMemberName(std::string_view raw, bool may_be_utf8 = false);

}  // namespace tembrel::archives
