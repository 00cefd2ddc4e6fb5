#pragma once

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace halvo {

// How long a recorder in time-per-frame mode can record on the free space of the card.
struct RecordingEstimate {
  int64_t totalSeconds = 0;
  int64_t days = 0;
  int hours = 0;  // of the day
  int minutes = 0;
  int seconds = 0;
};

// Free space the estimate assumes for the fallback folder, which is no card: 300 MiB.
inline constexpr uint64_t kFallbackFreeKilobytes = 307200;

// KiB one recorded frame takes at a record resolution.
int FrameKilobytes(std::string_view recordResolution);

// The free KiB to estimate with: fixed for the fallback folder, else the card's free MiB
// (none known counts as no space).
uint64_t EstimateFreeKilobytes(bool fallbackEntry, std::optional<uint64_t> freeMegabytes);

// Frames that fit times the interval; writes "TotalSec = N" to `diagnostics`.
RecordingEstimate EstimateRecordingTime(std::string_view recordResolution, int intervalMinutes,
                                        int intervalSeconds, uint64_t freeKilobytes,
                                        std::ostream& diagnostics = std::cout);

// Days, hours and minutes as the dialog shows them: "09 / 21 / 02".
std::u16string EstimateText(const RecordingEstimate& estimate);

}  // namespace halvo
