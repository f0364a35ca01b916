#pragma once
// Calendar date and wall-clock time as the catalog stores them ('YYYY-MM-DD', 'HH:MM:SS').
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tembrel {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const Date&) const = default;
  bool IsNull() const { return year == 0 && month == 0 && day == 0; }
};

struct Time {
  int hour = 0;
  int minute = 0;
  int second = 0;
  auto operator<=>(const Time&) const = default;
};

bool IsValidDate(const Date& d);
bool IsValidTime(const Time& t);
int DaysInMonth(int year, int month);
bool IsLeapYear(int year);

// Zero-padded forms, so text order is time order.
std::string ToText(const Date& d);  // "2003-07-04"; "" for a null date
std::string ToText(const Time& t);  // "09:05:00"
std::optional<Date> ParseDate(std::string_view text);  // "YYYY-MM-DD"
std::optional<Time> ParseTime(std::string_view text);  // "HH:MM:SS"

// Injected wherever "today" or "now" goes into a row, so tests can fix it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date Today() const = 0;
  virtual Time Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  Date Today() const override;
  Time Now() const override;
};

class FixedClock final : public Clock {
 public:
  FixedClock(Date d, Time t) : date_(d), time_(t) {}
  Date Today() const override { return date_; }
  Time Now() const override { return time_; }
  void Set(Date d, Time t) { date_ = d; time_ = t; }

 private:
  Date date_;
  Time time_;
};

}  // namespace tembrel
