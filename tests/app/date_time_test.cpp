#include "app/date_time.h"

#include <gtest/gtest.h>

namespace tembrel {
namespace {

TEST(DateTime, TextFormsAreZeroPaddedAndRoundTrip) {
  EXPECT_EQ(ToText(Date{2003, 7, 4}), "2003-07-04");
  EXPECT_EQ(ToText(Time{9, 5, 0}), "09:05:00");
  EXPECT_EQ(ToText(Date{}), "");
  EXPECT_EQ(ToText(Date{1, 1, 1}), "0001-01-01");
  EXPECT_EQ(ToText(Date{9999, 12, 31}), "9999-12-31");
  EXPECT_EQ(ToText(Date{10000, 1, 1}), "10000-01-01");
  EXPECT_EQ(ToText(Time{23, 59, 59}), "23:59:59");
  EXPECT_EQ(ToText(Time{0, 0, 0}), "00:00:00");
  EXPECT_EQ(ParseDate("2003-07-04"), (Date{2003, 7, 4}));
  EXPECT_EQ(ParseTime("23:59:59"), (Time{23, 59, 59}));
}

TEST(DateTime, RejectsImpossibleValues) {
  for (const char* text : {"2003-02-29", "2003-13-01", "2003-00-10", "2003-7-4", "20030704", ""})
    EXPECT_FALSE(ParseDate(text)) << text;
  EXPECT_TRUE(ParseDate("2004-02-29"));
  EXPECT_FALSE(ParseDate("1900-02-29"));
  for (const char* text : {"24:00:00", "12:60:00", "12:00:60", "1:00:00"})
    EXPECT_FALSE(ParseTime(text)) << text;
}

}  // namespace
}  // namespace tembrel
