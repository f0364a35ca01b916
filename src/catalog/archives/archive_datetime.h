#pragma once
// Date and time stamps as old archive headers store them, turned into catalog dates and times.
// A stamp that cannot be turned into a real date and time becomes kFallbackStamp, so a damaged
// header never stops a cataloging run.
#include <cstdint>
#include <optional>

#include "app/date_time.h"

namespace tembrel::archives {

struct Stamp {
  Date date;
  Time time;
  auto operator<=>(const Stamp&) const = default;
};

inline constexpr Stamp kFallbackStamp{{1980, 1, 1}, {0, 0, 0}};

// DOS date word: year 1980 + bits 9-15, month bits 5-8, day bits 0-4. A word that is at most 33
// as a signed number (zero, 1980-01-01 itself, and every year from 2044 on) gives 1980-01-01.
// nullopt when month or day is out of range.
std::optional<Date> DosDate(uint16_t word);
// DOS time word: hour bits 11-15, minute bits 5-10, seconds 2 x bits 0-4. nullopt when out of range.
std::optional<Time> DosTime(uint16_t word);
Stamp DosStamp(uint16_t date_word, uint16_t time_word);
// The common 32-bit form: time in the low word, date in the high word.
Stamp DosStamp(uint32_t date_time);

// CP/M day number (day 1 = 1978-01-01), passed through the DOS date form, so every date before
// 1980 (and day 0) gives 1980-01-01 and every date from 2044 on as well.
Date CpmDate(uint16_t day_number);
Stamp CpmStamp(uint16_t day_number, uint16_t dos_time_word);

// Seconds since 1970-01-01 00:00 UTC shown in US Pacific time: eight hours back, and one hour
// forward from the first Sunday of April 03:00 to the last Sunday of October 01:00 (both
// instants on the shifted clock, both included) in the years 1980 to 2100.
Stamp PacificStamp(int64_t unix_seconds);
// Seconds since 1970-01-01 00:00 UTC as a UTC date and time.
Stamp UtcStamp(int64_t unix_seconds);
// Seconds since 1970-01-01 00:00 UTC in the machine's local time zone, as the walk shows files
// on the disk.
Stamp LocalStamp(int64_t unix_seconds);

}  // namespace tembrel::archives
