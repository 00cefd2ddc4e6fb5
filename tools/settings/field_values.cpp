#include "field_values.h"

#include <charconv>

namespace halvo {

std::optional<std::vector<int>> ParseColonNumbers(std::string_view text, size_t count) {
  std::vector<int> numbers;
  size_t at = 0;
  for (size_t i = 0; i < count; ++i) {
    const size_t end = i + 1 < count ? text.find(':', at) : text.size();
    if (end == std::string_view::npos || end == at || end - at > 4) return std::nullopt;
    int value = 0;
    const auto [last, error] = std::from_chars(text.data() + at, text.data() + end, value);
    if (error != std::errc() || last != text.data() + end) return std::nullopt;
    numbers.push_back(value);
    at = end + 1;
  }
  return numbers;
}

std::string CheckFrameInterval(int minutes, int seconds) {
  if (minutes > 10 || seconds > 59) return "minutes 0..10 and seconds 0..59";
  if (minutes == 10 && seconds != 0) return "at most 10:00";
  if (minutes == 0 && seconds == 0) return "at least 0:01";
  return {};
}

std::string CheckClip(int minutes, int seconds) {
  // 180 minutes is the longest clip the dialog offers (MPEG4 at 320x240).
  if (minutes > 180 || seconds > 59) return "minutes 0..180 and seconds 0..59";
  if (minutes == 0 && seconds == 0) return "at least 0:01";
  return {};
}

std::string CheckHourMinute(int hour, int minute) {
  if (hour > 23 || minute > 59) return "hours 0..23 and minutes 0..59";
  return {};
}

std::string CheckEstimate(int days, int hours, int minutes) {
  // The record holds days and hours together as one 16-bit count of hours.
  if (hours > 23 || minutes > 59) return "hours 0..23 and minutes 0..59";
  if (days * 24 + hours > 0xFFFF) return "at most 2730:15:59";
  return {};
}

std::string CheckIdCode(std::string_view idCode) {
  if (idCode.size() > 8) return "at most 8 characters";
  for (const char c : idCode) {
    // The record keeps one byte per character: only printable ASCII survives it.
    if (c < 0x20 || c > 0x7E) return "printable ASCII characters only";
  }
  return {};
}

}  // namespace halvo
