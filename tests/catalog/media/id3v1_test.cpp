#include "catalog/media/id3v1.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tembrel::media {
namespace {

TEST(Id3v1Genres, KeepTheListsOwnSpellings) {
  struct Case {
    unsigned number;
    const char* name;
  };
  for (const Case& c : std::vector<Case>{{0, "Blues"}, {12, "Other"}, {40, "AlternRock"}, {67, "Psychadelic"},
                                         {79, "Hard Rock"}, {80, "Folk"}, {85, "Bebob"}, {93, "Psychedelic Rock"},
                                         {123, "A capella"}, {125, "Dance Hall"}, {126, "Goa"}, {144, "Trash Metal"},
                                         {145, "Anime"}, {146, "Jpop"}, {147, "Synthpop"}, {148, "148"},
                                         {255, "255"}})
    EXPECT_EQ(Id3v1GenreName(c.number), c.name) << c.number;
}

std::vector<std::byte> Tag(const char* title, const char* artist, const char* album, const char* year,
                           const char* comment, uint8_t genre) {
  std::vector<std::byte> tag(128);
  auto put = [&](size_t at, const char* text, size_t size) {
    std::memcpy(tag.data() + at, text, std::min(std::strlen(text), size));
  };
  put(0, "TAG", 3);
  put(3, title, 30);
  put(33, artist, 30);
  put(63, album, 30);
  put(93, year, 4);
  put(97, comment, 30);
  tag[127] = std::byte{genre};
  return tag;
}

TEST(Id3v1Tag, FieldsEndAtTheirFirstNul) {
  // Full-width fields with no NUL at all; the comment of a version 1.1 tag ends at the NUL
  // before its track byte; text that is not UTF-8 is ISO-8859-1.
  auto tag = Tag("123456789012345678901234567890", "Caf\xe9", "", "2003", "Track comment", 146);
  tag[97 + 28] = std::byte{0};
  tag[97 + 29] = std::byte{7};
  EXPECT_EQ(DescribeId3v1(tag),
            "Title: 123456789012345678901234567890\r\nArtist: Caf\u00e9\r\nAlbum: \r\nYear: 2003\r\n"
            "Genre: Jpop\r\nComment: Track comment");
  EXPECT_EQ(DescribeId3v1(Tag("T", "A", "B", "1", "C", 1)),
            "Title: T\r\nArtist: A\r\nAlbum: B\r\nYear: 1\r\nGenre: Classic Rock\r\nComment: C");
  auto bad = Tag("T", "A", "B", "1", "C", 1);
  bad[0] = std::byte{'t'};
  EXPECT_FALSE(DescribeId3v1(bad));
  auto good = Tag("T", "A", "B", "1", "C", 1);
  EXPECT_FALSE(DescribeId3v1(std::span(good).first(127)));
}

}  // namespace
}  // namespace tembrel::media
