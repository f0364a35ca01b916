#pragma once
// One-line technical descriptions of picture files, read from their headers.
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "catalog/archives/archive_reader.h"

namespace tembrel::media {

// How many header bytes each description needs; fewer give no description.
inline constexpr size_t kGifHeaderBytes = 11;
inline constexpr size_t kTgaHeaderBytes = 17;
inline constexpr size_t kPcxHeaderBytes = 74;
inline constexpr size_t kBmpHeaderBytes = 30;

// "GIF Image: 320x200x16" and the like; null when the header does not match, is short, or
// gives a colour depth above 63 bits (no picture has that many colours; the header is junk).
std::optional<std::string> DescribeGif(std::span<const std::byte> header);
std::optional<std::string> DescribeTga(std::span<const std::byte> header);
std::optional<std::string> DescribePcx(std::span<const std::byte> header);
std::optional<std::string> DescribeBmp(std::span<const std::byte> header);

// "Jpeg Image: 640x480", from the frame header found by walking the markers from the start
// of the file up to the start of the scan; null when the file is no JPEG a decoder would
// open (no start marker, no frame header before the scan, an empty or malformed frame).
std::optional<std::string> DescribeJpeg(archives::ArchiveSource& file);

}  // namespace tembrel::media
