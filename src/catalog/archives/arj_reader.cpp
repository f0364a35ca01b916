#include "catalog/archives/arj_reader.h"

#include <array>
#include <optional>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/file_source.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// Every header:
//   0  2  header id 0xEA60
//   2  2  basic header size b; 0 ends the archive
//   4  b  basic header:
//           0  1  fixed part size f (at least 30)
//           1  1  archiver version
//           2  1  minimum version
//           3  1  host OS (2 = Unix: the stamp is Unix time)
//           4  1  flags
//           5  1  method
//           6  1  file type
//           7  1  reserved
//           8  4  stamp: DOS time (low word) and date (high word), or Unix time
//          12  4  compressed size
//          16  4  uncompressed size
//          20  4  CRC
//          24  6  file spec position, access mode, host data
//           f     name, NUL-terminated, then comment, NUL-terminated
// 4+b  4  basic header CRC
//      2  extended header size e; while not 0: e bytes, a 4-byte CRC and the next size
// The first header is the main header; every later one a member, whose data follow.
constexpr uint16_t kHeaderId = 0xEA60;
constexpr uint16_t kMaxBasicSize = 2600;
constexpr uint8_t kMinFixedSize = 30;
constexpr uint8_t kUnixHost = 2;
// Main header: another volume follows. Member header: the member goes on in the next volume.
constexpr uint8_t kVolumeFlag = 0x04;
// Member header: the member began in the previous volume.
constexpr uint8_t kContinuedFlag = 0x08;

struct ArjHeader {
  uint8_t host_os = 0;
  uint8_t flags = 0;
  uint32_t stamp = 0;
  uint32_t compressed = 0;
  uint32_t uncompressed = 0;
  std::string raw_name;
  std::string raw_comment;
  uint64_t data_offset = 0;  // just after the extended headers
};

enum class Step { Header, End, Failed };

Step ReadHeader(ArchiveSource& src, uint64_t pos, ArjHeader& out, ReadResult& failure) {
  std::array<std::byte, 4> head{};
  const int64_t got = ReadUpTo(src, pos, head);
  if (got < 0) {
    failure = Failure(ReadStatus::Error, "header", pos);
    return Step::Failed;
  }
  if (got == 0) return Step::End;  // the end of the file between headers
  if (got < 4) {
    failure = Failure(ReadStatus::Short, "header", pos);
    return Step::Failed;
  }
  ByteCursor hc(head);
  const uint16_t id = *hc.Le16();
  const uint16_t basic_size = *hc.Le16();
  if (id != kHeaderId) {
    failure = Failure("bad header id at offset " + std::to_string(pos));
    return Step::Failed;
  }
  if (basic_size == 0) return Step::End;
  if (basic_size > kMaxBasicSize) {
    failure = Failure("header size out of range at offset " + std::to_string(pos));
    return Step::Failed;
  }
  std::vector<std::byte> basic;
  if (auto st = ReadBlock(src, pos + 4, basic_size + 4u, basic); st != ReadStatus::Ok) {
    failure = Failure(st, "header", pos);
    return Step::Failed;
  }
  basic.resize(basic_size);  // the CRC is not checked
  ByteCursor c(basic);
  const uint8_t fixed = *c.U8();
  if (fixed < kMinFixedSize || fixed > basic_size) {
    failure = Failure("fixed header part out of range at offset " + std::to_string(pos));
    return Step::Failed;
  }
  c.Skip(2);
  out.host_os = *c.U8();
  out.flags = *c.U8();
  c.Skip(3);
  out.stamp = *c.Le32();
  out.compressed = *c.Le32();
  out.uncompressed = *c.Le32();

  const std::string_view names = AsText(std::span<const std::byte>(basic).subspan(fixed));
  const size_t name_end = names.find('\0');
  if (name_end == std::string_view::npos) {
    failure = Failure("name without NUL at offset " + std::to_string(pos));
    return Step::Failed;
  }
  out.raw_name = std::string(names.substr(0, name_end));
  out.raw_comment = std::string(UpToNul(names.substr(name_end + 1)));

  uint64_t q = pos + 4 + basic_size + 4;
  for (;;) {
    std::array<std::byte, 2> ext{};
    if (auto st = ReadExact(src, q, ext); st != ReadStatus::Ok) {
      failure = Failure(st, "extended header", q);
      return Step::Failed;
    }
    const uint16_t ext_size = static_cast<uint16_t>(static_cast<uint8_t>(ext[0]) |
                                                    (static_cast<uint8_t>(ext[1]) << 8));
    q += 2;
    if (ext_size == 0) break;
    q += uint64_t{ext_size} + 4;
    if (q > src.Size()) {
      failure = Failure(ReadStatus::Short, "extended header", q);
      return Step::Failed;
    }
  }
  out.data_offset = q;
  return Step::Header;
}

Stamp StampOf(const ArjHeader& h) {
  return h.host_os == kUnixHost ? LocalStamp(h.stamp) : DosStamp(h.stamp);
}

ArchiveMember MemberOf(const ArjHeader& h) {
  ArchiveMember m;
  const bool unix_host = h.host_os == kUnixHost;
  m.file_name = ArjMemberName(h.raw_name, unix_host);
  m.size = h.uncompressed;
  const Stamp s = StampOf(h);
  m.date = s.date;
  m.time = s.time;
  m.comment = ArjCommentText(h.raw_comment, unix_host);
  return m;
}

// Reads one volume (or a whole archive). A member split over volumes waits in `pending` until
// its last piece is met, when volumes are followed.
class VolumeWalk {
 public:
  VolumeWalk(MemberWalk& walk, bool follow) : walk_(walk), follow_(follow) {}

  // Walks src; sets continues when the main header says another volume follows.
  ReadResult Read(ArchiveSource& src, bool first_volume, std::string* main_comment, bool& continues) {
    continues = false;
    ArjHeader h;
    ReadResult failure;
    uint64_t pos = 0;
    switch (ReadHeader(src, pos, h, failure)) {
      case Step::Failed: return failure;
      case Step::End: return {};
      case Step::Header: break;
    }
    if (first_volume && main_comment) *main_comment = ArjCommentText(h.raw_comment, h.host_os == kUnixHost);
    continues = (h.flags & kVolumeFlag) != 0;
    pos = h.data_offset;  // the main header has no data
    for (;;) {
      if (walk_.StopRequested()) return AbortedResult();
      switch (ReadHeader(src, pos, h, failure)) {
        case Step::Failed: return failure;
        case Step::End: return {};
        case Step::Header: break;
      }
      Take(h);
      pos = h.data_offset + h.compressed;
    }
  }

  // A member whose last piece never came is still a member met.
  void Flush() {
    if (pending_) walk_.Offer(*pending_, /*needs_dot=*/true);
    pending_.reset();
  }

 private:
  void Take(const ArjHeader& h) {
    if (!follow_) {
      walk_.Offer(MemberOf(h), /*needs_dot=*/true);
      return;
    }
    if ((h.flags & kContinuedFlag) && pending_ && pending_raw_name_ == h.raw_name) {
      pending_->size += h.uncompressed;
    } else {
      Flush();
      pending_ = MemberOf(h);
      pending_raw_name_ = h.raw_name;
    }
    if (!(h.flags & kVolumeFlag)) Flush();
  }

  MemberWalk& walk_;
  bool follow_;
  std::optional<ArchiveMember> pending_;
  std::string pending_raw_name_;
};

}  // namespace

std::string ArjMemberName(std::string_view raw, bool may_be_utf8) {
  const size_t sep = raw.find_last_of("\\/");
  const std::string_view path = sep == std::string_view::npos ? std::string_view{} : raw.substr(0, sep + 1);
  const std::string base = WithDot(raw.substr(path.size()));
  std::string name = path.empty() ? base : base + " <" + std::string(path) + ">";
  return CutChars(DecodeName(name, may_be_utf8), 255);
}

std::string ArjCommentText(std::string_view raw, bool may_be_utf8) {
  std::string kept;
  kept.reserve(raw.size() + 8);
  for (size_t i = 0; i < raw.size(); ++i) {
    const auto c = static_cast<unsigned char>(raw[i]);
    if (c == '\r' || c == '\n') {
      // Comments written on DOS end lines with CR LF, on Unix with LF; both become CR LF.
      kept += "\r\n";
      if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
    } else if (c < 32) {
      continue;
    } else if (c == 127 || c == 255) {
      kept += ' ';
    } else {
      kept += static_cast<char>(c);
    }
  }
  return DecodeName(kept, may_be_utf8);
}

std::string NextArjVolumeName(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || name.size() - dot != 4) return {};
  const std::string_view stem = name.substr(0, dot + 1);
  const std::string_view ext = name.substr(dot + 1);
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const std::string upper = UpperAscii(ext);
  if (upper == "ARJ") return std::string(stem) + ext[0] + "01";
  if ((ext[0] == 'A' || ext[0] == 'a') && digit(ext[1]) && digit(ext[2])) {
    const int n = (ext[1] - '0') * 10 + (ext[2] - '0');
    if (n == 99) return std::string(stem) + "100";
    std::string next = std::string(stem) + ext[0];
    next += static_cast<char>('0' + (n + 1) / 10);
    next += static_cast<char>('0' + (n + 1) % 10);
    return next;
  }
  if (digit(ext[0]) && digit(ext[1]) && digit(ext[2])) {
    const int n = (ext[0] - '0') * 100 + (ext[1] - '0') * 10 + (ext[2] - '0');
    if (n >= 999) return {};
    return std::string(stem) + std::to_string(n + 1);
  }
  return {};
}

ReadResult ReadArj(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink,
                   const ArjOptions& options) {
  MemberWalk walk(ctx, sink);
  VolumeWalk volumes(walk, options.follow_volumes);
  std::string main_comment;
  bool continues = false;
  ReadResult result = volumes.Read(src, /*first_volume=*/true, &main_comment, continues);
  const SourceOpener open = ctx.open ? ctx.open : DefaultSourceOpener();
  std::string name = ctx.archive_name;
  while (options.follow_volumes && result.outcome == ReadOutcome::Ok && continues) {
    name = NextArjVolumeName(name);
    if (name.empty()) {
      result = Failure("no name for the next volume");
      break;
    }
    std::unique_ptr<ArchiveSource> next = open(ctx.folder_path + name);
    if (!next) {
      result = Failure("cannot open volume " + name);
      break;
    }
    result = volumes.Read(*next, /*first_volume=*/false, nullptr, continues);
  }
  if (result.outcome != ReadOutcome::Aborted) volumes.Flush();
  result.main_comment = std::move(main_comment);
  return result;
}

ReadResult ReadArjMainComment(ArchiveSource& src) {
  ArjHeader h;
  ReadResult result;
  switch (ReadHeader(src, 0, h, result)) {
    case Step::Failed: return result;
    case Step::End: return {};
    case Step::Header: break;
  }
  result.main_comment = ArjCommentText(h.raw_comment, h.host_os == kUnixHost);
  return result;
}

}  // namespace tembrel::archives
