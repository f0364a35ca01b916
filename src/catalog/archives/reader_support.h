#pragma once
// Pieces every archive reader shares: exact reads from a source, the per-member steps (count,
// let the window breathe, stop on abort, record when wanted) and the result values.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalog/archives/archive_reader.h"
#include "catalog/archives/byte_cursor.h"

namespace tembrel::archives {

enum class ReadStatus { Ok, Short, Error };

// Fills out completely from offset, asking again after a short piece. Short when the file ends
// first, Error when the source fails.
ReadStatus ReadExact(ArchiveSource& src, uint64_t offset, std::span<std::byte> out);
// Up to out.size() bytes; the count read, or -1 when the source fails.
int64_t ReadUpTo(ArchiveSource& src, uint64_t offset, std::span<std::byte> out);
// n bytes at offset into out (resized); Short, without allocating, when the file is too short.
ReadStatus ReadBlock(ArchiveSource& src, uint64_t offset, size_t n, std::vector<std::byte>& out);

inline std::string_view AsText(std::span<const std::byte> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

ReadResult Failure(std::string detail);
ReadResult Failure(ReadStatus status, std::string_view what, uint64_t offset);
ReadResult AbortedResult();

// The steps around each member of one archive.
class MemberWalk {
 public:
  MemberWalk(const ArchiveContext& ctx, ArchiveSink& sink) : ctx_(ctx), sink_(sink) {}

  // Lets pending window events run; true when the run asked to stop.
  bool StopRequested();
  // Counts the member, then records it when the archive is in the start folder, its name is not
  // empty (and, for formats that list through the mask "*.*", holds a dot) and it passes the
  // include/exclude specs.
  void Offer(const ArchiveMember& member, bool needs_dot = false);

  size_t Offered() const { return offered_; }

 private:
  const ArchiveContext& ctx_;
  ArchiveSink& sink_;
  size_t offered_ = 0;
};

}  // namespace tembrel::archives
