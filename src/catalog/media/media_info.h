#pragma once
// The technical description of a picture or MP3 file that becomes its entry's comment.
#include <optional>
#include <string>

#include "catalog/archives/archive_reader.h"

namespace tembrel::media {

// Kind numbers as the cataloging run's extension table gives them.
enum class MediaKind { Gif = 14, Tga, Pcx, Bmp, Jpg, Jpeg, Mp3 };

// Null when the file is too short, unreadable or its header does not match; the entry's
// comment is then left as it was.
std::optional<std::string> ExtractMediaInfo(MediaKind kind, archives::ArchiveSource& file);

}  // namespace tembrel::media
