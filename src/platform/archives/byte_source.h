#pragma once
// Random access to the bytes of an archive for the platform archive adapters: a file on
// disk, or bytes already in memory (tests, fuzzing, members read out of other archives).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tembrel::platform {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // Reads up to out.size() bytes at offset; returns the count read (short at the end), or -1 on error.
  virtual int64_t ReadAt(uint64_t offset, std::span<std::byte> out) = 0;
};

// Opened read-only; null when the file cannot be opened or is not a regular file.
std::unique_ptr<ByteSource> OpenFileBytes(const std::string& path);

// Owns a copy of the bytes.
std::unique_ptr<ByteSource> MemoryBytes(std::span<const std::byte> bytes);
std::unique_ptr<ByteSource> MemoryBytes(std::vector<std::byte> bytes);

}  // namespace tembrel::platform
