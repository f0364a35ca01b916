#include "platform/archives/cab_archive.h"

#include <mspack.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>

namespace tembrel::platform {
namespace {

constexpr int kUtf8NameBit = MSCAB_ATTRIB_UTF_NAME;

// libmspack reaches files only through this table; every "file" it opens is the one source.
struct SourceSystem;

struct SourceFile {
  SourceSystem* owner = nullptr;
  ByteSource* source = nullptr;
  uint64_t pos = 0;
};

using OpenFiles = std::vector<std::unique_ptr<SourceFile>>;

// Standard layout, so the pointer libmspack hands back is a pointer to the whole.
struct SourceSystem {
  mspack_system sys{};
  ByteSource* source = nullptr;
  OpenFiles* open_files = nullptr;
};
static_assert(std::is_standard_layout_v<SourceSystem>);

mspack_file* Open(mspack_system* self, const char*, int mode) {
  auto* s = reinterpret_cast<SourceSystem*>(self);
  if (mode != MSPACK_SYS_OPEN_READ) return nullptr;
  s->open_files->push_back(std::make_unique<SourceFile>(SourceFile{s, s->source, 0}));
  return reinterpret_cast<mspack_file*>(s->open_files->back().get());
}

void Close(mspack_file* file) {
  if (!file) return;
  auto& files = *reinterpret_cast<SourceFile*>(file)->owner->open_files;
  files.erase(std::remove_if(files.begin(), files.end(),
                             [&](const auto& f) { return reinterpret_cast<mspack_file*>(f.get()) == file; }),
              files.end());
}

int Read(mspack_file* file, void* buffer, int bytes) {
  auto* f = reinterpret_cast<SourceFile*>(file);
  if (bytes < 0) return -1;
  int64_t n = f->source->ReadAt(f->pos, std::span(static_cast<std::byte*>(buffer), static_cast<size_t>(bytes)));
  if (n < 0) return -1;
  f->pos += static_cast<uint64_t>(n);
  return static_cast<int>(n);
}

int Write(mspack_file*, void*, int) { return -1; }

int Seek(mspack_file* file, off_t offset, int mode) {
  auto* f = reinterpret_cast<SourceFile*>(file);
  int64_t base;
  switch (mode) {
    case MSPACK_SYS_SEEK_START: base = 0; break;
    case MSPACK_SYS_SEEK_CUR: base = static_cast<int64_t>(f->pos); break;
    case MSPACK_SYS_SEEK_END: base = static_cast<int64_t>(f->source->Size()); break;
    default: return -1;
  }
  int64_t target;
  if (__builtin_add_overflow(base, static_cast<int64_t>(offset), &target) || target < 0) return -1;
  f->pos = static_cast<uint64_t>(target);
  return 0;
}

off_t Tell(mspack_file* file) { return static_cast<off_t>(reinterpret_cast<SourceFile*>(file)->pos); }

void Message(mspack_file*, const char*, ...) {}  // libmspack's warnings are not for the user
void* Alloc(mspack_system*, size_t bytes) { return std::malloc(bytes); }
void Free(void* p) { std::free(p); }
void Copy(void* src, void* dest, size_t bytes) { std::memmove(dest, src, bytes); }

struct DecompressorDeleter {
  void operator()(mscab_decompressor* d) const { mspack_destroy_cab_decompressor(d); }
};

}  // namespace

std::optional<std::vector<CabItem>> ListCabinet(ByteSource& bytes) {
  OpenFiles open_files;
  SourceSystem system;
  system.open_files = &open_files;
  system.sys = mspack_system{Open, Close, Read, Write, Seek, Tell, Message, Alloc, Free, Copy, nullptr};
  system.source = &bytes;

  std::unique_ptr<mscab_decompressor, DecompressorDeleter> cabd(mspack_create_cab_decompressor(&system.sys));
  if (!cabd) return std::nullopt;
  mscabd_cabinet* cab = cabd->open(cabd.get(), "cabinet");
  if (!cab) return std::nullopt;
  std::vector<CabItem> items;
  for (mscabd_file* f = cab->files; f; f = f->next) {
    CabItem item;
    item.raw_name = f->filename ? f->filename : "";
    item.utf8 = (f->attribs & kUtf8NameBit) != 0;
    item.size = static_cast<uint32_t>(f->length);
    // libmspack splits the stamps into fields; put the words back together.
    item.dos_date = static_cast<uint16_t>(((f->date_y - 1980) << 9) | (f->date_m << 5) | f->date_d);
    item.dos_time = static_cast<uint16_t>((f->time_h << 11) | (f->time_m << 5) | (f->time_s >> 1));
    item.attributes = static_cast<uint16_t>(f->attribs);
    items.push_back(std::move(item));
  }
  cabd->close(cabd.get(), cab);
  return items;
}

}  // namespace tembrel::platform
