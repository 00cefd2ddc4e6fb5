#pragma once

#include <string>

#include "platform/mixer/volume_mixer.h"

typedef struct _snd_mixer snd_mixer_t;
typedef struct _snd_mixer_elem snd_mixer_elem_t;

namespace halvo {

// The ALSA simple mixer of a card ("default": the default card). Its playback volume range is
// shifted to start at 0, so Minimum() is 0 and Maximum() the width of the range.
class AlsaVolumeMixer final : public VolumeMixer {
 public:
  explicit AlsaVolumeMixer(std::string card = "default");
  ~AlsaVolumeMixer() override;
  AlsaVolumeMixer(const AlsaVolumeMixer&) = delete;
  AlsaVolumeMixer& operator=(const AlsaVolumeMixer&) = delete;

  MixerOpenResult Open() override;
  uint32_t Minimum() const override;
  uint32_t Maximum() const override;
  std::optional<uint32_t> Volume() override;
  bool SetVolume(uint32_t volume) override;

 private:
  void Release();

  std::string card_;
  snd_mixer_t* mixer_ = nullptr;
  snd_mixer_elem_t* element_ = nullptr;
  long rawMinimum_ = 0;
  long rawMaximum_ = 0;
};

}  // namespace halvo
