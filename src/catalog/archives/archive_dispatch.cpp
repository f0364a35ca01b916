#include "catalog/archives/archive_dispatch.h"

#include "catalog/archives/arc_reader.h"
#include "catalog/archives/arj_reader.h"
#include "catalog/archives/dwc_reader.h"
#include "catalog/archives/file_source.h"
#include "catalog/archives/hyp_reader.h"
#include "catalog/archives/lbr_reader.h"
#include "catalog/archives/lzh_reader.h"
#include "catalog/archives/rar_reader.h"
#include "catalog/archives/reader_support.h"
#include "catalog/archives/sqz_reader.h"
#include "catalog/archives/zoo_reader.h"

namespace tembrel::archives {
namespace {

std::unique_ptr<ArchiveSource> OpenArchive(const ArchiveContext& ctx) {
  const SourceOpener open = ctx.open ? ctx.open : DefaultSourceOpener();
  return open(ctx.folder_path + ctx.archive_name);
}

}  // namespace

ReadResult ReadArchive(ArchiveKind kind, const ArchiveContext& ctx, ArchiveSink& sink,
                       const ReaderOptions& options) {
  if (kind == ArchiveKind::Cab || kind == ArchiveKind::Zip) return Failure("no reader");
  std::unique_ptr<ArchiveSource> src = OpenArchive(ctx);
  if (!src) return Failure("cannot open " + ctx.archive_name);
  switch (kind) {
    case ArchiveKind::Arc:
    case ArchiveKind::Pak: return ReadArc(ctx, *src, sink);
    case ArchiveKind::Arj: return ReadArj(ctx, *src, sink, ArjOptions{options.follow_arj_volumes});
    case ArchiveKind::Dwc: return ReadDwc(ctx, *src, sink);
    case ArchiveKind::Hyp: return ReadHyp(ctx, *src, sink);
    case ArchiveKind::Lbr: return ReadLbr(ctx, *src, sink);
    case ArchiveKind::Lzh:
    case ArchiveKind::Lzs: return ReadLzh(ctx, *src, sink);
    case ArchiveKind::Rar: return ReadRar(ctx, *src, sink);
    case ArchiveKind::Sqz: return ReadSqz(ctx, *src, sink);
    case ArchiveKind::Zoo: return ReadZoo(ctx, *src, sink);
    case ArchiveKind::Cab:
    case ArchiveKind::Zip: break;
  }
  return Failure("no reader");
}

ReadResult ReadArchiveMainComment(ArchiveKind kind, const ArchiveContext& ctx) {
  if (kind != ArchiveKind::Arj) return Failure("no reader");
  std::unique_ptr<ArchiveSource> src = OpenArchive(ctx);
  if (!src) return Failure("cannot open " + ctx.archive_name);
  return ReadArjMainComment(*src);
}

}  // namespace tembrel::archives
