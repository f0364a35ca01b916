#include "platform/text/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tembrel::text {
namespace {

TEST(Cp1252, ValidUtf8NamesAreKept) {
  for (const char* name : {"README.TXT", "Gr\xC3\xBC\xC3\x9F" "e.txt", "\xE2\x82\xAC" "uro", "\xF0\x9F\x98\x80.png", ""})
    EXPECT_EQ(DecodeFileName(name), name) << name;
}

TEST(Cp1252, InvalidUtf8IsDecodedByteForByte) {
  // "Grüße" and "€uro" as a DOS-era tool would have written them.
  EXPECT_EQ(DecodeFileName("Gr\xFC\xDF" "e.txt"), "Gr\xC3\xBC\xC3\x9F" "e.txt");
  EXPECT_EQ(DecodeFileName("\x80uro"), "\xE2\x82\xAC" "uro");
  // Undefined bytes become the C1 control of the same value, so nothing is lost.
  EXPECT_EQ(DecodeFileName("a\x81z"), "a\xC2\x81z");
  // One bad byte decodes the whole name, valid multibyte sequences included, as Windows-1252.
  EXPECT_EQ(DecodeFileName("\xC3\xA9\xFF"), "\xC3\x83\xC2\xA9\xC3\xBF");
}

TEST(Cp1252, RejectsMalformedUtf8) {
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "\x80", "\xFE"})
    EXPECT_FALSE(IsValidUtf8(bad)) << testing::PrintToString(std::string(bad));
}

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = DecodeCp1252(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(EncodeCp1252(utf8), all);
}

TEST(Cp1252, EncodeRefusesCharactersOutsideTheCodePage) {
  EXPECT_FALSE(EncodeCp1252("\xE2\x84\xA2\xE4\xB8\xAD"));  // CJK
  EXPECT_FALSE(EncodeCp1252("\xC3"));
  EXPECT_EQ(EncodeCp1252("\xE2\x84\xA2"), "\x99");  // trade mark sign
}

}  // namespace
}  // namespace tembrel::text
