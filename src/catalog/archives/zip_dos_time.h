#pragma once
// DOS date and time words as the ZIP and CAB directories store them.
#include <cstdint>

#include "app/date_time.h"

namespace tembrel::archives {

struct ZipDosStamp {
  Date date;
  Time time;
};

// A date word that is at most 33 as a signed number (zero, 1 January 1980 itself and every
// date from 2044 on) reads as 1 January 1980. A stamp whose fields cannot be a real date or
// time (month 13, 30 February, hour 24, 60 seconds) reads as 1 January 1980, 00:00:00, so
// one damaged stamp never stops a listing.
inline ZipDosStamp ZipDosToStamp(uint16_t date_word, uint16_t time_word) {
  constexpr ZipDosStamp kFloor{Date{1980, 1, 1}, Time{0, 0, 0}};
  ZipDosStamp s;
  if (static_cast<int16_t>(date_word) <= 33)
    s.date = Date{1980, 1, 1};
  else
    s.date = Date{1980 + (date_word >> 9), (date_word >> 5) & 0x0F, date_word & 0x1F};
  s.time = Time{time_word >> 11, (time_word >> 5) & 0x3F, 2 * (time_word & 0x1F)};
  if (!IsValidDate(s.date) || !IsValidTime(s.time)) return kFloor;
  return s;
}

}  // namespace tembrel::archives
