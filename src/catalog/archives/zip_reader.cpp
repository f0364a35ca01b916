#include "catalog/archives/zip_reader.h"

#include <algorithm>
#include <cctype>

#include "catalog/archives/source_bytes.h"
#include "catalog/archives/archive_datetime.h"
#include "platform/archives/zip_archive.h"
#include "platform/text/cp437.h"

namespace tembrel::archives {
namespace {

using platform::ZipArchive;
using platform::ZipEntryInfo;
using platform::ZipListOutcome;

// Catalog texts hold no NUL; a stored text ends at its first one.
std::string_view UpToNul(std::string_view s) { return s.substr(0, std::min(s.find('\0'), s.size())); }

constexpr uint8_t kHostUnix = 3, kHostDarwin = 19;

// Marked UTF-8 (the flag or Info-ZIP's Unicode Path field) is UTF-8. Names from Unix-like
// systems are in the maker's own character set, UTF-8 nowadays, and are taken as such when
// they are valid UTF-8. Everything else (DOS, Windows, OS/2) is code page 437.
std::string DecodeName(const ZipEntryInfo& e) {
  std::string_view raw = UpToNul(e.raw_name);
  if (e.utf8 && text::IsValidUtf8(raw)) return std::string(raw);
  if (e.unicode_path) {
    std::string_view unicode = UpToNul(*e.unicode_path);
    if (text::IsValidUtf8(unicode)) return std::string(unicode);
  }
  if ((e.host_system == kHostUnix || e.host_system == kHostDarwin) && text::IsValidUtf8(raw))
    return std::string(raw);
  return text::Cp437ToUtf8(raw);
}

std::string DecodeComment(std::string_view raw, bool utf8) {
  raw = UpToNul(raw);
  if (utf8 && text::IsValidUtf8(raw)) return std::string(raw);
  return text::DosTextToUtf8(raw);
}

std::unique_ptr<ZipArchive> OpenZip(const ArchiveContext& context) {
  auto bytes = OpenArchiveBytes(context);
  if (!bytes) return nullptr;
  return ZipArchive::Open(std::move(bytes));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string TrimControlAndBlanks(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return std::string(text.substr(b, e - b));
}

ZipMemberName SplitZipName(std::string_view name) {
  ZipMemberName n;
  size_t cut = name.find_last_of("/:\\");
  if (cut == std::string_view::npos) {
    n.base = std::string(name);
  } else {
    n.path = std::string(name.substr(0, cut + 1));
    n.base = std::string(name.substr(cut + 1));
  }
  n.blank = std::all_of(n.base.begin(), n.base.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
  return n;
}

ReadResult ReadZip(const ArchiveContext& context, ArchiveSink& sink) {
  ReadResult result;
  auto zip = OpenZip(context);
  if (!zip) {
    result.outcome = ReadOutcome::Failed;
    result.detail = "not a ZIP archive or its directory cannot be found";
    return result;
  }
  if (auto comment = zip->RawComment()) result.main_comment = TrimControlAndBlanks(DecodeComment(*comment, false));

  bool aborted = false;
  ZipListOutcome outcome = zip->List([&](const ZipEntryInfo& e) {
    if (sink.AbortRequested()) {
      aborted = true;
      return false;
    }
    sink.ProcessEvents();
    sink.CountMember(e.uncompressed_size);
    if (!context.in_start_folder) return true;
    ZipMemberName name = SplitZipName(DecodeName(e));
    if (name.blank || !sink.PassesSpecs(name.base)) return true;
    ArchiveMember member;
    member.file_name = name.FileName();
    member.size = static_cast<int64_t>(e.uncompressed_size);
    Stamp stamp = DosStamp(e.dos_date, e.dos_time);
    member.date = stamp.date;
    member.time = stamp.time;
    member.attribute = static_cast<int32_t>(e.external_attributes);
    member.comment = DecodeComment(e.raw_comment, e.utf8);
    sink.AddEntry(member);
    return true;
  });
  switch (outcome) {
    case ZipListOutcome::Complete: break;
    case ZipListOutcome::Stopped:
      result.outcome = aborted ? ReadOutcome::Aborted : ReadOutcome::Ok;
      break;
    case ZipListOutcome::Damaged:
      result.outcome = ReadOutcome::Failed;
      result.detail = "damaged central directory record";
      break;
  }
  return result;
}

std::optional<std::string> ReadZipMainComment(const ArchiveContext& context) {
  auto zip = OpenZip(context);
  if (!zip) return std::nullopt;
  // A comment that runs past the end of the file reads as none; the directory still counts.
  return DecodeComment(zip->RawComment().value_or(std::string()), false);
}

std::optional<std::string> ReadZipMember(const ArchiveContext& context, std::string_view wanted, size_t cap) {
  auto zip = OpenZip(context);
  if (!zip) return std::nullopt;
  std::optional<platform::ZipEntryPosition> at_root, in_folder;
  zip->List([&](const ZipEntryInfo& e) {
    ZipMemberName name = SplitZipName(DecodeName(e));
    if (!EqualsIgnoringCase(name.base, wanted)) return true;
    if (name.path.empty()) {
      at_root = e.position;
      return false;
    }
    if (!in_folder) in_folder = e.position;
    return true;
  });
  auto position = at_root ? at_root : in_folder;
  if (!position) return std::nullopt;
  auto data = zip->ReadEntry(*position, cap);
  if (!data) return std::nullopt;
  return std::move(data->bytes);
}

}  // namespace tembrel::archives
