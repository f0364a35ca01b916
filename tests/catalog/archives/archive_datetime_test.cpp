#include "catalog/archives/archive_datetime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace tembrel::archives {
namespace {

constexpr uint16_t Dos(int y, int m, int d) { return static_cast<uint16_t>(((y - 1980) << 9) | (m << 5) | d); }
constexpr uint16_t DosT(int h, int m, int s) { return static_cast<uint16_t>((h << 11) | (m << 5) | (s / 2)); }

TEST(DosDate, FloorGivesFirstOfJanuary1980) {
  const Date floor{1980, 1, 1};
  EXPECT_EQ(DosDate(0), floor);
  EXPECT_EQ(DosDate(33), floor);                   // 1980-01-01 itself
  EXPECT_EQ(DosDate(34), (Date{1980, 1, 2}));
  EXPECT_EQ(DosDate(Dos(2044, 1, 1)), floor);       // negative as a signed word
  EXPECT_EQ(DosDate(0xFFFF), floor);
  EXPECT_EQ(DosDate(Dos(2043, 12, 31)), (Date{2043, 12, 31}));
  EXPECT_EQ(DosDate(Dos(2001, 2, 3)), (Date{2001, 2, 3}));
}

TEST(DosDate, OutOfRangeFieldsAreNotConvertible) {
  EXPECT_FALSE(DosDate(Dos(2001, 0, 3)));
  EXPECT_FALSE(DosDate(Dos(2001, 13, 3)));
  EXPECT_FALSE(DosDate(Dos(2001, 2, 0)));
  EXPECT_FALSE(DosDate(Dos(2001, 2, 29)));
  EXPECT_EQ(DosDate(Dos(2004, 2, 29)), (Date{2004, 2, 29}));
  EXPECT_FALSE(DosDate(Dos(2001, 4, 31)));
}

TEST(DosTime, FieldsAndRange) {
  EXPECT_EQ(DosTime(DosT(23, 59, 58)), (Time{23, 59, 58}));
  EXPECT_EQ(DosTime(0), (Time{0, 0, 0}));
  EXPECT_FALSE(DosTime(DosT(24, 0, 0)));
  EXPECT_FALSE(DosTime(DosT(12, 60, 0)));
  EXPECT_FALSE(DosTime(DosT(12, 0, 60)));  // seconds field 30
}

TEST(DosStamp, AnUnconvertiblePartGivesTheFallbackForBoth) {
  EXPECT_EQ(DosStamp(Dos(2001, 2, 3), DosT(4, 5, 6)), (Stamp{{2001, 2, 3}, {4, 5, 6}}));
  EXPECT_EQ(DosStamp(Dos(2001, 13, 3), DosT(4, 5, 6)), kFallbackStamp);
  EXPECT_EQ(DosStamp(Dos(2001, 2, 3), DosT(25, 5, 6)), kFallbackStamp);
  EXPECT_EQ(DosStamp((uint32_t{Dos(2001, 2, 3)} << 16) | DosT(4, 5, 6)), (Stamp{{2001, 2, 3}, {4, 5, 6}}));
}

TEST(CpmDate, DayOneIsFirstOfJanuary1978AndGoesThroughTheDosForm) {
  const Date floor{1980, 1, 1};
  EXPECT_EQ(CpmDate(0), floor);
  EXPECT_EQ(CpmDate(1), floor);  // 1978-01-01, before the DOS range
  EXPECT_EQ(CpmDate(731), floor);
  EXPECT_EQ(CpmDate(732), (Date{1980, 1, 2}));
  EXPECT_EQ(CpmDate(8095), (Date{2000, 2, 29}));
  EXPECT_EQ(CpmDate(8401), (Date{2000, 12, 31}));  // last day of a leap year
  EXPECT_EQ(CpmDate(24106), (Date{2043, 12, 31}));
  EXPECT_EQ(CpmDate(24107), floor);
  EXPECT_EQ(CpmDate(65535), floor);
  EXPECT_EQ(CpmStamp(8401, DosT(24, 0, 0)), kFallbackStamp);
}

// Unix seconds of a moment given on the shifted (UTC - 8 h) clock.
int64_t Shifted(int y, int m, int d, int h, int mi, int s) {
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = m - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  tm.tm_sec = s;
  return static_cast<int64_t>(timegm(&tm)) + 8 * 3600;
}

TEST(PacificStamp, StandardAndDaylightTime) {
  EXPECT_EQ(PacificStamp(981187200), (Stamp{{2001, 2, 3}, {0, 0, 0}}));   // midnight Pacific
  EXPECT_EQ(PacificStamp(994273200), (Stamp{{2001, 7, 4}, {12, 0, 0}}));  // noon in summer
}

TEST(PacificStamp, DaylightBoundariesAreBothIncluded) {
  // 2001: first Sunday of April is the 1st, last Sunday of October the 28th.
  EXPECT_EQ(PacificStamp(Shifted(2001, 4, 1, 2, 59, 59)), (Stamp{{2001, 4, 1}, {2, 59, 59}}));
  EXPECT_EQ(PacificStamp(Shifted(2001, 4, 1, 3, 0, 0)), (Stamp{{2001, 4, 1}, {4, 0, 0}}));
  EXPECT_EQ(PacificStamp(Shifted(2001, 10, 28, 1, 0, 0)), (Stamp{{2001, 10, 28}, {2, 0, 0}}));
  EXPECT_EQ(PacificStamp(Shifted(2001, 10, 28, 1, 0, 1)), (Stamp{{2001, 10, 28}, {1, 0, 1}}));
  // 1990: April 1st is a Sunday too; 1995: the first Sunday is the 2nd.
  EXPECT_EQ(PacificStamp(Shifted(1995, 4, 1, 12, 0, 0)), (Stamp{{1995, 4, 1}, {12, 0, 0}}));
  EXPECT_EQ(PacificStamp(Shifted(1995, 4, 2, 12, 0, 0)), (Stamp{{1995, 4, 2}, {13, 0, 0}}));
}

TEST(PacificStamp, NoDaylightOutside1980To2100) {
  EXPECT_EQ(PacificStamp(Shifted(1979, 7, 1, 12, 0, 0)), (Stamp{{1979, 7, 1}, {12, 0, 0}}));
  EXPECT_EQ(PacificStamp(Shifted(2101, 7, 1, 12, 0, 0)), (Stamp{{2101, 7, 1}, {12, 0, 0}}));
  EXPECT_EQ(PacificStamp(Shifted(2100, 7, 1, 12, 0, 0)), (Stamp{{2100, 7, 1}, {13, 0, 0}}));
}

TEST(UtcStamp, GregorianCalendar) {
  EXPECT_EQ(UtcStamp(0), (Stamp{{1970, 1, 1}, {0, 0, 0}}));
  EXPECT_EQ(UtcStamp(981173106), (Stamp{{2001, 2, 3}, {4, 5, 6}}));
  EXPECT_EQ(UtcStamp(4107542400), (Stamp{{2100, 3, 1}, {0, 0, 0}}));  // 2100 has no 29 February
  EXPECT_EQ(UtcStamp(951782400), (Stamp{{2000, 2, 29}, {0, 0, 0}}));
  EXPECT_EQ(UtcStamp(-1), (Stamp{{1969, 12, 31}, {23, 59, 59}}));
  EXPECT_EQ(UtcStamp(int64_t{1} << 40), kFallbackStamp);  // past the year 9999
}

// Sets TZ for one test and puts the old value back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", tz, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (old_) setenv("TZ", old_->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

TEST(LocalStamp, FollowsTheMachinesTimeZone) {
  {
    ScopedTimeZone tz("UTC0");
    EXPECT_EQ(LocalStamp(981173106), (Stamp{{2001, 2, 3}, {4, 5, 6}}));
  }
  {
    ScopedTimeZone tz("XST5");
    EXPECT_EQ(LocalStamp(981173106), (Stamp{{2001, 2, 2}, {23, 5, 6}}));
  }
}

}  // namespace
}  // namespace tembrel::archives
