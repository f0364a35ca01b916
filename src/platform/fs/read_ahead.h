#pragma once
// Folder listings read ahead on a second thread, so that the kernel's half of a walk (reading
// folders, stat-ing entries) overlaps with whatever the reader does with each entry.
#include <cstddef>

#include "platform/fs/fs.h"

namespace tembrel::fs {

// How far the worker may run ahead. It waits once `max_ahead` entries lie unread, so at most
// max_ahead + 3 * block entries are held at any time (queued, in the worker's block, in the
// reader's block). Entries are handed over `block` at a time, fewer at the end of a listing
// and whenever the reader is waiting for them.
struct ReadAheadLimits {
  size_t max_ahead = 8192;
  size_t block = 256;
};

// Opens `folder` like fs.OpenFolder, but the listings it hands out are read ahead, depth first,
// on a worker thread. fs.OpenFolder itself runs here, on the caller's thread, and its failure
// is returned as it is (no thread is started); from then on every call into `fs` and into its
// listings, their destruction included, happens on the worker. `fs` must outlive every listing
// handed out.
//
// The worker reads the folder's listing and, right after reading a directory entry that is
// not `other_mount`, opens it and reads it completely before the parent's next entry: the
// order of a depth-first walk. The reader sees exactly what the listings themselves give: the
// same entries in the same order, the same error() once Next returns false, and from OpenChild
// the child's listing or the error the real OpenChild gave (EACCES etc.).
//
// Rules of the reader's side:
// - Every call into these listings, their destruction included, happens on one thread.
// - OpenChild is answered from the entry alone for anything that is not a directory (ENOTDIR)
//   and for an `other_mount` directory (EXDEV), without touching the file system. A directory
//   entry can be opened once, and only while it is the one this listing returned last: any
//   other (an earlier entry, one opened already, one from elsewhere, after the end) gives EINVAL.
// - Skipping is cheap: a child never opened, a listing destroyed before its end, the whole tree
//   destroyed at any moment; the worker drops what nobody can read any more. A child may
//   outlive its parent.
// - Reading on in a listing while a child opened from it is still unfinished passes that child
//   by: the child's Next then returns false with error() ECANCELED, as does everything opened
//   below it. (The entries come as one depth-first stream; a depth-first walk never does this.)
Listing::Opened OpenFolderReadAhead(FileSystem& fs, const Location& folder, const ReadAheadLimits& limits = {});

}  // namespace tembrel::fs
