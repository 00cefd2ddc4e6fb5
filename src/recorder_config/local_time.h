#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace halvo {

// One reading of the local calendar clock; weekday 0..6 with 0 = Sunday.
struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 0;

  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// Asked at the moment a value is needed; nothing when the clock cannot be broken down.
using LocalTimeSource = std::function<std::optional<LocalTime>()>;

// The machine's local clock.
std::optional<LocalTime> SystemLocalTime();

// "YYYY-MM-DDTHH:MM:SS" as a real calendar time, with its weekday; nothing otherwise.
std::optional<LocalTime> ParseLocalTime(std::string_view text);

}  // namespace halvo
