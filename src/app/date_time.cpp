#include "app/date_time.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace tembrel {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const Date& d) {
  return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
         d.day <= DaysInMonth(d.year, d.month);
}

bool IsValidTime(const Time& t) {
  return t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
         t.second <= 59;
}

namespace {
// Every cataloged entry writes a date and a time; snprintf is the slow part of that.
void TwoDigits(char* out, int v) {
  out[0] = static_cast<char>('0' + v / 10);
  out[1] = static_cast<char>('0' + v % 10);
}
}  // namespace

std::string ToText(const Date& d) {
  if (d.IsNull()) return {};
  if (d.year >= 0 && d.year <= 9999 && d.month >= 0 && d.month <= 99 && d.day >= 0 && d.day <= 99) {
    char out[10] = {0, 0, 0, 0, '-', 0, 0, '-', 0, 0};
    TwoDigits(out, d.year / 100);
    TwoDigits(out + 2, d.year % 100);
    TwoDigits(out + 5, d.month);
    TwoDigits(out + 8, d.day);
    return std::string(out, sizeof out);
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

std::string ToText(const Time& t) {
  if (t.hour >= 0 && t.hour <= 99 && t.minute >= 0 && t.minute <= 99 && t.second >= 0 && t.second <= 99) {
    char out[8] = {0, 0, ':', 0, 0, ':', 0, 0};
    TwoDigits(out, t.hour);
    TwoDigits(out + 3, t.minute);
    TwoDigits(out + 6, t.second);
    return std::string(out, sizeof out);
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return buf;
}

namespace {
bool ParseFields(std::string_view text, char sep, int (&out)[3], const int (&widths)[3]) {
  size_t pos = 0;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      if (pos >= text.size() || text[pos] != sep) return false;
      ++pos;
    }
    if (pos + widths[i] > text.size()) return false;
    auto [p, ec] = std::from_chars(text.data() + pos, text.data() + pos + widths[i], out[i]);
    if (ec != std::errc() || p != text.data() + pos + widths[i]) return false;
    pos += widths[i];
  }
  return pos == text.size();
}
}  // namespace

std::optional<Date> ParseDate(std::string_view text) {
  int f[3];
  if (!ParseFields(text, '-', f, {4, 2, 2})) return std::nullopt;
  Date d{f[0], f[1], f[2]};
  if (!IsValidDate(d)) return std::nullopt;
  return d;
}

std::optional<Time> ParseTime(std::string_view text) {
  int f[3];
  if (!ParseFields(text, ':', f, {2, 2, 2})) return std::nullopt;
  Time t{f[0], f[1], f[2]};
  if (!IsValidTime(t)) return std::nullopt;
  return t;
}

Date SystemClock::Today() const {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

Time SystemClock::Now() const {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return {tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace tembrel
