#pragma once
// What a cataloging run finds inside files: archive members, main comments, FILE_ID.DIZ,
// and the technical description of pictures and MP3 files.
#include "catalog/catalog_run.h"

namespace tembrel::catalog {

class ArchiveContentReader final : public ContentReader {
 public:
  void ReadArchiveOrSfx(CatalogRunner& run, const FileContext& file) override;
  void ReadDiz(CatalogRunner& run, const FileContext& file) override;
  void ReadMedia(CatalogRunner& run, const FileContext& file) override;
  void CopyMainComment(CatalogRunner& run, const FileContext& file) override;
};

}  // namespace tembrel::catalog
