#pragma once

#include <cstdint>
#include <optional>

namespace halvo {

enum class MixerOpenResult {
  kOpened,
  kNoDevice,         // no sound card (or no mixer on it)
  kOpenFailed,       // the card's mixer could not be read
  kNoVolumeControl,  // none of the volume elements exists
};

// The speaker volume of the sound card. Values run from Minimum() to Maximum().
class VolumeMixer {
 public:
  virtual ~VolumeMixer() = default;
  virtual MixerOpenResult Open() = 0;
  virtual uint32_t Minimum() const = 0;
  virtual uint32_t Maximum() const = 0;
  // The current volume of the first channel; nothing when it cannot be read.
  virtual std::optional<uint32_t> Volume() = 0;
  // Sets every channel alike; false when it failed.
  virtual bool SetVolume(uint32_t volume) = 0;
};

}  // namespace halvo
