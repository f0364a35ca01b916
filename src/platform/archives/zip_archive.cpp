#include "platform/archives/zip_archive.h"

#include <unzip.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace tembrel::platform {
namespace {

constexpr size_t kCacheBlock = 64 * 1024;
constexpr size_t kFieldBuffer = 0x10000;  // names, extra fields and comments are at most 65535 bytes
constexpr uint16_t kUnicodePathField = 0x7075;
constexpr uint16_t kFlagEncrypted = 0x0001;
constexpr uint16_t kFlagUtf8 = 0x0800;

uint32_t Crc32(std::string_view bytes) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (char ch : bytes) crc = table[(crc ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

uint16_t Get16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Get32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint64_t Get64(const unsigned char* p) {
  return static_cast<uint64_t>(Get32(p)) | (static_cast<uint64_t>(Get32(p + 4)) << 32);
}

// The stream minizip reads through: a window of the source that starts `base` bytes in,
// after `padding` zero bytes that are not in the source, with one aligned block cached,
// since minizip reads most header fields a byte at a time.
struct Stream {
  ByteSource* source = nullptr;
  uint64_t base = 0;
  uint64_t padding = 0;
  uint64_t size = 0;
  uint64_t pos = 0;
  bool error = false;
  std::vector<unsigned char> cache;
  uint64_t cache_start = 0;
  size_t cache_len = 0;

  size_t Read(unsigned char* out, size_t want) {
    if (want == 1 && pos >= cache_start && pos < cache_start + cache_len) {  // most calls
      *out = cache[pos++ - cache_start];
      return 1;
    }
    size_t done = 0;
    while (done < want && pos < padding) {
      out[done++] = 0;
      ++pos;
    }
    while (done < want && pos < size) {
      if (pos >= cache_start && pos < cache_start + cache_len) {
        size_t n = std::min<uint64_t>(want - done, cache_start + cache_len - pos);
        std::memcpy(out + done, cache.data() + (pos - cache_start), n);
        done += n;
        pos += n;
        continue;
      }
      if (!Fill(pos - pos % kCacheBlock)) break;
    }
    return done;
  }

  bool Fill(uint64_t start) {
    cache.resize(kCacheBlock);
    cache_len = 0;
    start = std::max(start, padding);
    cache_start = start;
    size_t want = std::min<uint64_t>(kCacheBlock, size - start);
    int64_t n = source->ReadAt(base + start - padding, std::as_writable_bytes(std::span(cache.data(), want)));
    if (n <= 0) {
      if (n < 0) error = true;
      return false;
    }
    cache_len = static_cast<size_t>(n);
    return true;
  }
};

voidpf ZOpen(voidpf opaque, const void*, int) { return opaque; }

uLong ZRead(voidpf, voidpf stream, void* buf, uLong size) {
  return static_cast<Stream*>(stream)->Read(static_cast<unsigned char*>(buf), size);
}

uLong ZWrite(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZTell(voidpf, voidpf stream) { return static_cast<Stream*>(stream)->pos; }

long ZSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* s = static_cast<Stream*>(stream);
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: s->pos = offset; return 0;
    case ZLIB_FILEFUNC_SEEK_CUR: s->pos += offset; return 0;
    case ZLIB_FILEFUNC_SEEK_END: s->pos = s->size + offset; return 0;
    default: return -1;
  }
}

int ZClose(voidpf, voidpf) { return 0; }
int ZError(voidpf, voidpf stream) { return static_cast<Stream*>(stream)->error ? 1 : 0; }

// For a ZIP64 archive appended to a program without its offsets adjusted: the distance
// between where the ZIP64 end record is and where the locator says it is. 0 when the tail
// holds no such pair.
uint64_t FindZip64Shift(ByteSource& source) {
  const uint64_t size = source.Size();
  const uint64_t tail_len = std::min<uint64_t>(size, 0xFFFF + 22 + 20 + 56);
  std::vector<unsigned char> tail(tail_len);
  const uint64_t tail_start = size - tail_len;
  if (source.ReadAt(tail_start, std::as_writable_bytes(std::span(tail))) != static_cast<int64_t>(tail_len))
    return 0;
  for (uint64_t i = tail_len >= 22 ? tail_len - 22 + 1 : 0; i-- > 0;) {
    if (Get32(&tail[i]) != 0x06054b50) continue;
    if (i < 20 || Get32(&tail[i - 20]) != 0x07064b50) return 0;
    const uint64_t locator = tail_start + i - 20;
    const uint64_t stated = Get64(&tail[i - 20 + 8]);
    // The ZIP64 end record ends where the locator begins; its own size field says how long it is.
    for (uint64_t j = i - 20; j-- > 0;) {
      if (i - 20 - j < 56) continue;
      if (Get32(&tail[j]) != 0x06064b50) continue;
      const uint64_t record = tail_start + j;
      if (Get64(&tail[j + 4]) + 12 != locator - record) continue;
      return record > stated ? record - stated : 0;
    }
    return 0;
  }
  return 0;
}

bool StartsWithEndRecord(ByteSource& source) {
  unsigned char head[4];
  return source.ReadAt(0, std::as_writable_bytes(std::span(head))) == 4 && Get32(head) == 0x06054b50;
}

}  // namespace

struct ZipArchive::Impl {
  std::unique_ptr<ByteSource> source;
  Stream stream;
  zlib_filefunc64_def funcs{};
  unzFile handle = nullptr;

  ~Impl() {
    if (handle) unzClose(handle);
  }

  bool OpenAt(uint64_t base, uint64_t padding = 0) {
    if (handle) {
      unzClose(handle);
      handle = nullptr;
    }
    if (base > source->Size()) return false;
    stream = Stream{};
    stream.source = source.get();
    stream.base = base;
    stream.padding = padding;
    stream.size = source->Size() - base + padding;
    funcs.zopen64_file = ZOpen;
    funcs.zread_file = ZRead;
    funcs.zwrite_file = ZWrite;
    funcs.ztell64_file = ZTell;
    funcs.zseek64_file = ZSeek;
    funcs.zclose_file = ZClose;
    funcs.zerror_file = ZError;
    funcs.opaque = &stream;
    handle = unzOpen2_64("zip", &funcs);
    return handle != nullptr;
  }
};

ZipArchive::ZipArchive(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ZipArchive::~ZipArchive() = default;

std::unique_ptr<ZipArchive> ZipArchive::Open(std::unique_ptr<ByteSource> bytes) {
  if (!bytes) return nullptr;
  auto impl = std::make_unique<Impl>();
  impl->source = std::move(bytes);
  uint64_t shift = 0;
  if (!impl->OpenAt(0)) {
    shift = FindZip64Shift(*impl->source);
    // minizip takes an end record found at offset 0 for none found: an empty archive,
    // 22 bytes and its comment. Four zero bytes in front let it see the record.
    bool empty = shift == 0 && StartsWithEndRecord(*impl->source);
    if (empty ? !impl->OpenAt(0, 4) : (shift == 0 || !impl->OpenAt(shift))) return nullptr;
  }
  unz_global_info64 info{};
  if (unzGetGlobalInfo64(impl->handle, &info) != UNZ_OK) return nullptr;
  std::unique_ptr<ZipArchive> archive(new ZipArchive(std::move(impl)));
  archive->entry_count_ = info.number_entry;
  archive->shift_ = shift;
  return archive;
}

std::unique_ptr<ZipArchive> ZipArchive::OpenFile(const std::string& path) {
  return Open(OpenFileBytes(path));
}

std::optional<std::string> ZipArchive::RawComment() {
  unz_global_info64 info{};
  if (unzGetGlobalInfo64(impl_->handle, &info) != UNZ_OK) return std::nullopt;
  if (info.size_comment == 0) return std::string();
  std::string text(info.size_comment, '\0');
  int n = unzGetGlobalComment(impl_->handle, text.data(), text.size());
  if (n < 0 || static_cast<uLong>(n) != info.size_comment) return std::nullopt;
  return text;
}

namespace {

std::optional<std::string> UnicodePath(const unsigned char* extra, size_t len, std::string_view raw_name) {
  size_t at = 0;
  while (len - at >= 4) {
    uint16_t id = Get16(extra + at);
    uint16_t size = Get16(extra + at + 2);
    at += 4;
    if (size > len - at) break;
    // version 1, CRC-32 of the stored name, then the name in UTF-8
    if (id == kUnicodePathField && size >= 5 && extra[at] == 1 && Get32(extra + at + 1) == Crc32(raw_name))
      return std::string(reinterpret_cast<const char*>(extra + at + 5), size - 5);
    at += size;
  }
  return std::nullopt;
}

}  // namespace

ZipListOutcome ZipArchive::List(const std::function<bool(const ZipEntryInfo&)>& visit) {
  if (entry_count_ == 0) return ZipListOutcome::Complete;
  std::vector<char> name(kFieldBuffer), extra(kFieldBuffer), comment(kFieldBuffer);
  uint64_t visited = 0;
  int err = unzGoToFirstFile(impl_->handle);
  while (err == UNZ_OK) {
    unz_file_info64 fi{};
    if (unzGetCurrentFileInfo64(impl_->handle, &fi, name.data(), name.size(), extra.data(), extra.size(),
                                comment.data(), comment.size()) != UNZ_OK)
      return ZipListOutcome::Damaged;
    unz64_file_pos pos{};
    if (unzGetFilePos64(impl_->handle, &pos) != UNZ_OK) return ZipListOutcome::Damaged;
    ZipEntryInfo e;
    e.raw_name.assign(name.data(), std::min<size_t>(fi.size_filename, name.size()));
    e.raw_comment.assign(comment.data(), std::min<size_t>(fi.size_file_comment, comment.size()));
    e.flags = static_cast<uint16_t>(fi.flag);
    e.utf8 = (e.flags & kFlagUtf8) != 0;
    e.method = static_cast<uint16_t>(fi.compression_method);
    e.host_system = static_cast<uint8_t>(fi.version >> 8);
    e.uncompressed_size = fi.uncompressed_size;
    e.dos_date = static_cast<uint16_t>(fi.dosDate >> 16);
    e.dos_time = static_cast<uint16_t>(fi.dosDate & 0xFFFF);
    e.external_attributes = static_cast<uint32_t>(fi.external_fa);
    e.position = {pos.pos_in_zip_directory, pos.num_of_file};
    if (!e.utf8)
      e.unicode_path = UnicodePath(reinterpret_cast<const unsigned char*>(extra.data()),
                                   std::min<size_t>(fi.size_file_extra, extra.size()), e.raw_name);
    if (!visit(e)) return ZipListOutcome::Stopped;
    ++visited;
    err = unzGoToNextFile(impl_->handle);
  }
  if (err == UNZ_END_OF_LIST_OF_FILE) return ZipListOutcome::Complete;
  // An end record that counts 65535 members leaves minizip reading on past the last one.
  if (visited >= entry_count_) return ZipListOutcome::Complete;
  return ZipListOutcome::Damaged;
}

std::optional<ZipMemberData> ZipArchive::ReadEntry(const ZipEntryPosition& position, size_t cap) {
  unz64_file_pos pos{position.directory_offset, position.index};
  if (unzGoToFilePos64(impl_->handle, &pos) != UNZ_OK) return std::nullopt;
  unz_file_info64 fi{};
  if (unzGetCurrentFileInfo64(impl_->handle, &fi, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
    return std::nullopt;
  if (fi.flag & kFlagEncrypted) return std::nullopt;
  if (unzOpenCurrentFile(impl_->handle) != UNZ_OK) return std::nullopt;
  ZipMemberData data;
  data.bytes.resize(std::min<uint64_t>(cap, fi.uncompressed_size));
  size_t got = 0;
  bool failed = false;
  while (got < data.bytes.size()) {
    unsigned chunk = static_cast<unsigned>(std::min<size_t>(data.bytes.size() - got, 1u << 20));
    int n = unzReadCurrentFile(impl_->handle, data.bytes.data() + got, chunk);
    if (n < 0) {
      failed = true;
      break;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  data.bytes.resize(got);
  if (!failed && got == cap) {
    char probe;
    int n = unzReadCurrentFile(impl_->handle, &probe, 1);
    if (n < 0) failed = true;
    data.truncated = n > 0;
  }
  int closed = unzCloseCurrentFile(impl_->handle);
  if (failed) return std::nullopt;
  if (!data.truncated && (closed != UNZ_OK || got != fi.uncompressed_size)) return std::nullopt;
  return data;
}

}  // namespace tembrel::platform
