#pragma once
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

struct ArjOptions {
  // Read a multi-volume set as one archive: after NAME.ARJ go on with NAME.A01, NAME.A02, ...
  // as long as the main header says another volume follows, and count a member split over
  // volumes once, with its whole size. Off, every volume is read on its own.
  bool follow_volumes = false;
};

// The first header is the archive's main header: its comment becomes main_comment.
ReadResult ReadArj(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink,
                   const ArjOptions& options = {});
// Only the main header, for an archive that is not expanded.
ReadResult ReadArjMainComment(ArchiveSource& src);

// "docs/readme.txt" -> "readme.txt <docs/>", "README" -> "README."; letter case kept, at most
// 255 characters.
std::string ArjMemberName(std::string_view raw, bool may_be_utf8 = false);
// Control characters dropped except line ends, which become CR LF; 127 and 255 become blanks.
std::string ArjCommentText(std::string_view raw, bool may_be_utf8 = false);
// The volume after this one: NAME.ARJ -> NAME.A01, ... NAME.A99 -> NAME.100, ... NAME.999 ->
// none (empty), keeping the letter case of the "A".
std::string NextArjVolumeName(std::string_view name);

}  // namespace tembrel::archives
