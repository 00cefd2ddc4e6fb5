#include "recorder_config/local_time.h"

#include <charconv>
#include <chrono>
#include <ctime>

namespace halvo {
namespace {

// Reads exactly `width` decimal digits at `pos`.
std::optional<int> DigitsAt(std::string_view text, size_t pos, size_t width) {
  if (pos + width > text.size()) return std::nullopt;
  int value = 0;
  const char* first = text.data() + pos;
  const auto [end, error] = std::from_chars(first, first + width, value);
  if (error != std::errc() || end != first + width) return std::nullopt;
  return value;
}

}  // namespace

std::optional<LocalTime> SystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &parts) == nullptr) {
    return std::nullopt;
  }
  return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                   parts.tm_min,         parts.tm_sec,     parts.tm_wday};
}

std::optional<LocalTime> ParseLocalTime(std::string_view text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  const auto year = DigitsAt(text, 0, 4), month = DigitsAt(text, 5, 2), day = DigitsAt(text, 8, 2),
             hour = DigitsAt(text, 11, 2), minute = DigitsAt(text, 14, 2),
             second = DigitsAt(text, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  using namespace std::chrono;
  const year_month_day date{std::chrono::year(*year), std::chrono::month(*month),
                            std::chrono::day(*day)};
  if (!date.ok() || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  const weekday dayOfWeek{sys_days(date)};
  return LocalTime{
      *year, *month, *day, *hour, *minute, *second, static_cast<int>(dayOfWeek.c_encoding())};
}

}  // namespace halvo
