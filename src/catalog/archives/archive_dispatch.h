#pragma once
// One entry point for the cataloging run: open the archive named by the context and run the
// reader of its kind.
#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

struct ReaderOptions {
  // The catalog's HandleArjMultiDisks: read NAME.A01, NAME.A02, ... after NAME.ARJ as one set.
  bool follow_arj_volumes = false;
};

ReadResult ReadArchive(ArchiveKind kind, const ArchiveContext& ctx, ArchiveSink& sink,
                       const ReaderOptions& options);
// Only the main comment (ARJ here), for an archive in the start folder that is not expanded.
ReadResult ReadArchiveMainComment(ArchiveKind kind, const ArchiveContext& ctx);

}  // namespace tembrel::archives
