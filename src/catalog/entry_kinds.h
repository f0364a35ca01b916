#pragma once
// What the walk does with a file, by its extension.
#include <string_view>

#include "store/catalog_tables.h"

namespace tembrel::catalog {

// 1-13 archives (ARC ... ZOO), 14-20 media files (GIF ... MP3), 0 anything else.
enum EntryKind : int {
  kPlain = 0,
  kArc = 1, kArj, kCab, kDwc, kHyp, kLbr, kLzh, kLzs, kPak, kRar, kSqz, kZip, kZoo,
  kGif = 14, kTga, kPcx, kBmp, kJpg, kJpeg, kMp3,
};

inline bool IsArchiveKind(int kind) { return kind >= kArc && kind <= kZoo; }
inline bool IsMediaKind(int kind) { return kind >= kGif && kind <= kMp3; }

// The kind of `name` under the catalog's options: an archive kind counts only when its
// format is switched on; NAME.A01 ... is an ARJ volume when multi-disk ARJ handling is on.
int ClassifyEntry(std::string_view name, const CatalogConfig& options);

}  // namespace tembrel::catalog
