#pragma once
// ZIP archives (and ZIP archives inside self-extracting programs) listed through the
// platform zip component.
#include <optional>
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// The stored name split at its last "/", ":" or backslash.
struct ZipMemberName {
  std::string base;       // the part after the last separator
  std::string path;       // everything before it, the separator included; empty at the root
  bool blank = false;     // the base holds nothing but blanks and control characters: a folder
  std::string FileName() const { return path.empty() ? base : base + " <" + path + ">"; }
};
ZipMemberName SplitZipName(std::string_view name);

// Lists the archive folder_path + archive_name. Every member is counted; when the archive is
// in the start folder, members that are not folders and whose base name passes the specs are
// recorded with the name "base <path>", their uncompressed size, DOS stamp, external
// attributes (the whole 32-bit word) and their own comment. main_comment is the archive
// comment, trimmed; the run takes it as the current comment when that is blank.
// Failed when the file is not a ZIP or its directory is damaged (members so far stay).
// Member names are UTF-8 when the archive marks them so, or when a Unix-like system made
// them and they are valid UTF-8; otherwise they are code page 437.
ReadResult ReadZip(const ArchiveContext& context, ArchiveSink& sink);

// The archive comment alone, untrimmed; null when the file cannot be read as a ZIP, empty
// when the comment's bytes cannot be read whole.
std::optional<std::string> ReadZipMainComment(const ArchiveContext& context);

// The first member named `name` (letter case ignored), one at the root preferred, else one
// in any folder; at most `cap` bytes of it. Null when there is no such member or it cannot
// be read (encrypted, damaged, unknown method, failed check value). Nothing goes to disk.
std::optional<std::string> ReadZipMember(const ArchiveContext& context, std::string_view name, size_t cap);

// Delphi-style trim: characters up to and including the blank are removed at both ends.
std::string TrimControlAndBlanks(std::string_view text);

}  // namespace tembrel::archives
