#include "catalog/archives/cab_reader.h"

#include <algorithm>

#include "catalog/archives/source_bytes.h"
#include "catalog/archives/archive_datetime.h"
#include "platform/archives/cab_archive.h"
#include "platform/text/cp437.h"

namespace tembrel::archives {

ReadResult ReadCab(const ArchiveContext& context, ArchiveSink& sink) {
  ReadResult result;
  auto bytes = OpenArchiveBytes(context);
  if (!bytes) {
    result.outcome = ReadOutcome::Failed;
    result.detail = "cannot open the cabinet";
    return result;
  }
  auto items = platform::ListCabinet(*bytes);
  if (!items) {
    result.outcome = ReadOutcome::Failed;
    result.detail = "not a cabinet or its headers are damaged";
    return result;
  }
  for (const platform::CabItem& item : *items) {
    if (sink.AbortRequested()) {
      result.outcome = ReadOutcome::Aborted;
      return result;
    }
    sink.ProcessEvents();
    sink.CountMember(item.size);
    if (!context.in_start_folder) continue;
    std::string_view raw = item.raw_name;
    raw = raw.substr(0, std::min(raw.find('\0'), raw.size()));
    std::string name = item.utf8 && text::IsValidUtf8(raw) ? std::string(raw) : text::Cp437ToUtf8(raw);
    if (!sink.PassesSpecs(name)) continue;
    ArchiveMember member;
    member.file_name = std::move(name);
    member.size = static_cast<int64_t>(item.size);
    Stamp stamp = DosStamp(item.dos_date, item.dos_time);
    member.date = stamp.date;
    member.time = stamp.time;
    member.attribute = item.attributes;
    sink.AddEntry(member);
  }
  return result;
}

}  // namespace tembrel::archives
