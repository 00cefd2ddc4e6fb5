#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "recorder_config/camera_settings.h"
#include "recorder_config/local_time.h"

namespace halvo {

// The recorder reads its configuration as this one fixed binary record.
inline constexpr size_t kSettingsRecordSize = 160;
using SettingsRecord = std::array<uint8_t, kSettingsRecordSize>;
inline constexpr std::string_view kSettingsMagic{"NUVOTON\0", 8};

// The resolution code the recorder knows for a record resolution text; 0 for any other.
int ResolutionCode(std::string_view recordResolution);

// The 160-byte record; nothing when the banding filter or the LCD light is unset.
// The clock is read once for the clock block and, with a schedule, once per schedule block.
std::optional<SettingsRecord> EncodeSettings(const CameraSettings& settings,
                                             const LocalTimeSource& clock);

}  // namespace halvo
