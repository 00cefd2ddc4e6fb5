#include "recorder_config/recording_estimate.h"

#include "language/text.h"

namespace halvo {

int FrameKilobytes(std::string_view recordResolution) {
  if (recordResolution == "1280x960") return 120;
  if (recordResolution == "640x480") return 36;
  return 15;
}

uint64_t EstimateFreeKilobytes(bool fallbackEntry, std::optional<uint64_t> freeMegabytes) {
  if (fallbackEntry) return kFallbackFreeKilobytes;
  return freeMegabytes.value_or(0) * 1024;
}

RecordingEstimate EstimateRecordingTime(std::string_view recordResolution, int intervalMinutes,
                                        int intervalSeconds, uint64_t freeKilobytes,
                                        std::ostream& diagnostics) {
  const int64_t interval = int64_t{intervalMinutes} * 60 + intervalSeconds;
  const auto frames = static_cast<int64_t>(freeKilobytes / FrameKilobytes(recordResolution));
  RecordingEstimate estimate;
  estimate.totalSeconds = frames * interval;
  const int64_t hours = estimate.totalSeconds / 3600;
  estimate.days = hours / 24;
  estimate.hours = static_cast<int>(hours % 24);
  estimate.minutes = static_cast<int>(estimate.totalSeconds % 3600 / 60);
  estimate.seconds = static_cast<int>(estimate.totalSeconds % 60);
  diagnostics << "TotalSec = " << estimate.totalSeconds << "\n";
  return estimate;
}

std::u16string EstimateText(const RecordingEstimate& estimate) {
  return FormatText("%02lld / %02d / %02d", static_cast<long long>(estimate.days), estimate.hours,
                    estimate.minutes);
}

}  // namespace halvo
