#pragma once
// FILE_ID.DIZ, the description file of BBS-era uploads, turned into an entry's comment.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::media {

inline constexpr size_t kDizReadCap = 64 * 1024;  // a real one is ten lines; more is not a description

// Lines end at CR LF, LF or CR. Lines before the first one that is not blank are dropped;
// that line, untrimmed, starts the text and every later line, blank ones included, follows
// after CR LF. Ctrl-Z bytes at the very end (the DOS end-of-file mark) are dropped first.
// Empty when every line is blank. Text that is not UTF-8 is read as code page 437.
std::string DizText(std::string_view bytes);

// The comment from the archive's FILE_ID.DIZ member (context.folder_path + archive_name, a
// ZIP or a self-extracting ZIP program); null when it is no ZIP, has no such member or the
// member cannot be read. Read in memory only, at most kDizReadCap bytes.
std::optional<std::string> ReadDizComment(const archives::ArchiveContext& context);

}  // namespace tembrel::media
