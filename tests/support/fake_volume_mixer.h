#pragma once

#include <optional>
#include <vector>

#include "platform/mixer/volume_mixer.h"

namespace halvo {

// A volume mixer for tests: answers from a script and records every volume set.
class FakeVolumeMixer : public VolumeMixer {
 public:
  MixerOpenResult openResult = MixerOpenResult::kOpened;
  uint32_t minimum = 0;
  uint32_t maximum = 65535;
  std::optional<uint32_t> volume = 40000;  // nothing: reads fail
  std::vector<uint32_t> sets;

  MixerOpenResult Open() override { return openResult; }
  uint32_t Minimum() const override { return minimum; }
  uint32_t Maximum() const override { return maximum; }
  std::optional<uint32_t> Volume() override {
    return openResult == MixerOpenResult::kOpened ? volume : std::nullopt;
  }
  bool SetVolume(uint32_t value) override {
    if (openResult != MixerOpenResult::kOpened) return false;
    sets.push_back(value);
    if (volume) volume = value;
    return true;
  }
};

}  // namespace halvo
