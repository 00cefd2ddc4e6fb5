#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo {

// Splits "A:B[:C]" into exactly `count` decimal numbers; nothing for any other text.
std::optional<std::vector<int>> ParseColonNumbers(std::string_view text, size_t count);

// Why a value is wrong, or empty when it is right.
std::string CheckFrameInterval(int minutes, int seconds);
std::string CheckClip(int minutes, int seconds);
std::string CheckHourMinute(int hour, int minute);
std::string CheckEstimate(int days, int hours, int minutes);
std::string CheckIdCode(std::string_view idCode);

}  // namespace halvo
