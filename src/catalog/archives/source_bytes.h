#pragma once
// Hands an archive source of the run to the platform archive components.
#include <memory>

#include "catalog/archives/archive_reader.h"
#include "platform/archives/byte_source.h"

namespace tembrel::archives {

class SourceBytes final : public platform::ByteSource {
 public:
  explicit SourceBytes(std::unique_ptr<ArchiveSource> source) : source_(std::move(source)) {}
  uint64_t Size() const override { return source_->Size(); }
  int64_t ReadAt(uint64_t offset, std::span<std::byte> out) override { return source_->ReadAt(offset, out); }

 private:
  std::unique_ptr<ArchiveSource> source_;
};

// Opens folder_path + archive_name through the context; null when it cannot be opened.
inline std::unique_ptr<platform::ByteSource> OpenArchiveBytes(const ArchiveContext& context) {
  if (!context.open) return nullptr;
  auto source = context.open(context.folder_path + context.archive_name);
  if (!source) return nullptr;
  return std::make_unique<SourceBytes>(std::move(source));
}

}  // namespace tembrel::archives
