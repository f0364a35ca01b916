#include "catalog/archives/archive_datetime.h"

#include <ctime>

namespace tembrel::archives {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
// The catalog's date type holds years 1 to 9999; anything outside is not convertible.
constexpr int64_t kMinSeconds = -62135596800;  // 0001-01-01 00:00:00 UTC
constexpr int64_t kMaxSeconds = 253402300799;  // 9999-12-31 23:59:59 UTC

// Days since 1970-01-01 of a Gregorian date, and back.
int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return {y, m, d};
}

// 0 = Sunday.
int Weekday(int64_t days) { return static_cast<int>(((days % 7) + 11) % 7); }

int64_t FirstSundayOfApril(int year) {
  const int64_t first = DaysFromCivil(year, 4, 1);
  return first + (7 - Weekday(first)) % 7;
}

int64_t LastSundayOfOctober(int year) {
  const int64_t last = DaysFromCivil(year, 10, 31);
  return last - Weekday(last);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

Stamp SplitSeconds(int64_t seconds) {
  if (seconds < kMinSeconds || seconds > kMaxSeconds) return kFallbackStamp;
  const int64_t days = FloorDiv(seconds, kSecondsPerDay);
  const int64_t rest = seconds - days * kSecondsPerDay;
  return {CivilFromDays(days),
          {static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60)}};
}

Stamp Checked(std::optional<Date> date, std::optional<Time> time) {
  if (!date || !time) return kFallbackStamp;
  return {*date, *time};
}

}  // namespace

std::optional<Date> DosDate(uint16_t word) {
  if (static_cast<int16_t>(word) <= 33) return Date{1980, 1, 1};
  Date d{1980 + (word >> 9), (word >> 5) & 0x0F, word & 0x1F};
  if (!IsValidDate(d)) return std::nullopt;
  return d;
}

std::optional<Time> DosTime(uint16_t word) {
  Time t{word >> 11, (word >> 5) & 0x3F, 2 * (word & 0x1F)};
  if (!IsValidTime(t)) return std::nullopt;
  return t;
}

Stamp DosStamp(uint16_t date_word, uint16_t time_word) {
  return Checked(DosDate(date_word), DosTime(time_word));
}

Stamp DosStamp(uint32_t date_time) {
  return DosStamp(static_cast<uint16_t>(date_time >> 16), static_cast<uint16_t>(date_time & 0xFFFF));
}

Date CpmDate(uint16_t day_number) {
  const Date d = CivilFromDays(DaysFromCivil(1978, 1, 1) + day_number - 1);
  // The DOS date form holds 1980 to 2043 only; outside it the floor applies.
  if (d.year < 1980 || d.year > 2043) return {1980, 1, 1};
  return d;
}

Stamp CpmStamp(uint16_t day_number, uint16_t dos_time_word) {
  return Checked(CpmDate(day_number), DosTime(dos_time_word));
}

Stamp PacificStamp(int64_t unix_seconds) {
  int64_t s = unix_seconds - 8 * 3600;
  if (s < kMinSeconds || s > kMaxSeconds) return kFallbackStamp;
  const int year = CivilFromDays(FloorDiv(s, kSecondsPerDay)).year;
  if (year >= 1980 && year <= 2100) {
    const int64_t start = FirstSundayOfApril(year) * kSecondsPerDay + 3 * 3600;
    const int64_t end = LastSundayOfOctober(year) * kSecondsPerDay + 1 * 3600;
    if (s >= start && s <= end) s += 3600;
  }
  return SplitSeconds(s);
}

Stamp UtcStamp(int64_t unix_seconds) { return SplitSeconds(unix_seconds); }

Stamp LocalStamp(int64_t unix_seconds) {
  if (unix_seconds < kMinSeconds || unix_seconds > kMaxSeconds) return kFallbackStamp;
  const std::time_t t = static_cast<std::time_t>(unix_seconds);
  std::tm tm{};
  if (localtime_r(&t, &tm) == nullptr) return kFallbackStamp;
  Stamp out{{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, {tm.tm_hour, tm.tm_min, tm.tm_sec}};
  // A leap second (60) or a year the catalog cannot hold is not convertible.
  if (!IsValidDate(out.date) || !IsValidTime(out.time)) return kFallbackStamp;
  return out;
}

}  // namespace tembrel::archives
