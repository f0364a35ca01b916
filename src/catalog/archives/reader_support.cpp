#include "catalog/archives/reader_support.h"

#include "catalog/archives/archive_text.h"

namespace tembrel::archives {

int64_t ReadUpTo(ArchiveSource& src, uint64_t offset, std::span<std::byte> out) {
  size_t done = 0;
  while (done < out.size()) {
    const int64_t n = src.ReadAt(offset + done, out.subspan(done));
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(done);
}

ReadStatus ReadExact(ArchiveSource& src, uint64_t offset, std::span<std::byte> out) {
  const int64_t n = ReadUpTo(src, offset, out);
  if (n < 0) return ReadStatus::Error;
  return static_cast<size_t>(n) == out.size() ? ReadStatus::Ok : ReadStatus::Short;
}

ReadStatus ReadBlock(ArchiveSource& src, uint64_t offset, size_t n, std::vector<std::byte>& out) {
  // Never allocate for more than the file can hold: a length field is untrusted.
  const uint64_t size = src.Size();
  if (offset > size || n > size - offset) {
    out.clear();
    return ReadStatus::Short;
  }
  out.resize(n);
  return ReadExact(src, offset, out);
}

ReadResult Failure(std::string detail) {
  ReadResult r;
  r.outcome = ReadOutcome::Failed;
  r.detail = std::move(detail);
  return r;
}

ReadResult Failure(ReadStatus status, std::string_view what, uint64_t offset) {
  std::string d = status == ReadStatus::Error ? "read error in " : "truncated ";
  d += what;
  d += " at offset ";
  d += std::to_string(offset);
  return Failure(std::move(d));
}

ReadResult AbortedResult() {
  ReadResult r;
  r.outcome = ReadOutcome::Aborted;
  r.detail = "aborted";
  return r;
}

bool MemberWalk::StopRequested() {
  sink_.ProcessEvents();
  return sink_.AbortRequested();
}

void MemberWalk::Offer(const ArchiveMember& member, bool needs_dot) {
  ++offered_;
  sink_.CountMember(static_cast<uint64_t>(member.size));
  if (!ctx_.in_start_folder) return;
  // A member without a name (a folder entry) has nothing to catalog under.
  if (member.file_name.empty()) return;
  if (needs_dot && !MatchesStarDotStar(member.file_name)) return;
  if (!sink_.PassesSpecs(member.file_name)) return;
  sink_.AddEntry(member);
}

}  // namespace tembrel::archives
