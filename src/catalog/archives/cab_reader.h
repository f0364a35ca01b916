#pragma once
// CAB cabinets listed through the platform cabinet component.
#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

// Lists the cabinet folder_path + archive_name. Every item is counted; when the cabinet is
// in the start folder, items whose stored name (folders included, as stored) passes the
// specs are recorded with that name, their size, DOS stamp and attribute word, and no
// comment. Failed when the file is not a cabinet or its headers are damaged; in that case
// nothing is recorded, since the component reads the whole file list before the first item.
ReadResult ReadCab(const ArchiveContext& context, ArchiveSink& sink);

}  // namespace tembrel::archives
