#pragma once
// The ID3 version 1 tag in the last 128 bytes of an MP3 file.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tembrel::media {

inline constexpr size_t kId3v1TagBytes = 128;

// The name of a genre number of the 148-name list (0..147); the number in decimal above that.
std::string Id3v1GenreName(unsigned number);

// "Title: ...\r\nArtist: ...\r\nAlbum: ...\r\nYear: ...\r\nGenre: ...\r\nComment: ..." from the
// 128 tag bytes; null when they do not start with "TAG" or are fewer than 128. Each field
// ends at its first NUL, trailing blanks kept; text that is not UTF-8 is read as ISO-8859-1.
std::optional<std::string> DescribeId3v1(std::span<const std::byte> tag);

}  // namespace tembrel::media
