#include "platform/mixer/alsa_volume_mixer.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/mixer/volume_element_choice.h"

namespace halvo {
namespace {

// A machine without a sound card is an expected case: the caller reports it, not ALSA.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

struct QuietAlsa {
  QuietAlsa() { snd_lib_error_set_handler(&IgnoreAlsaError); }
  ~QuietAlsa() { snd_lib_error_set_handler(nullptr); }
};

}  // namespace

AlsaVolumeMixer::AlsaVolumeMixer(std::string card) : card_(std::move(card)) {}

AlsaVolumeMixer::~AlsaVolumeMixer() { Release(); }

void AlsaVolumeMixer::Release() {
  if (mixer_ != nullptr) snd_mixer_close(mixer_);
  mixer_ = nullptr;
  element_ = nullptr;
  rawMinimum_ = rawMaximum_ = 0;
}

MixerOpenResult AlsaVolumeMixer::Open() {
  Release();
  const QuietAlsa quiet;
  if (snd_mixer_open(&mixer_, 0) < 0) {
    mixer_ = nullptr;
    return MixerOpenResult::kNoDevice;
  }
  if (snd_mixer_attach(mixer_, card_.c_str()) < 0) {
    Release();
    return MixerOpenResult::kNoDevice;
  }
  if (snd_mixer_selem_register(mixer_, nullptr, nullptr) < 0 || snd_mixer_load(mixer_) < 0) {
    Release();
    return MixerOpenResult::kOpenFailed;
  }

  std::vector<std::string> names;
  for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer_); e != nullptr;
       e = snd_mixer_elem_next(e)) {
    if (snd_mixer_selem_is_active(e) && snd_mixer_selem_has_playback_volume(e) &&
        snd_mixer_selem_get_index(e) == 0) {
      names.emplace_back(snd_mixer_selem_get_name(e));
    }
  }
  const std::optional<std::string> chosen = ChooseVolumeElement(names);
  if (!chosen) {
    Release();
    return MixerOpenResult::kNoVolumeControl;
  }

  snd_mixer_selem_id_t* id = nullptr;
  snd_mixer_selem_id_alloca(&id);
  snd_mixer_selem_id_set_index(id, 0);
  snd_mixer_selem_id_set_name(id, chosen->c_str());
  element_ = snd_mixer_find_selem(mixer_, id);
  if (element_ == nullptr ||
      snd_mixer_selem_get_playback_volume_range(element_, &rawMinimum_, &rawMaximum_) < 0 ||
      rawMaximum_ < rawMinimum_) {
    Release();
    return MixerOpenResult::kOpenFailed;
  }
  return MixerOpenResult::kOpened;
}

uint32_t AlsaVolumeMixer::Minimum() const { return 0; }

uint32_t AlsaVolumeMixer::Maximum() const {
  return static_cast<uint32_t>(rawMaximum_ - rawMinimum_);
}

std::optional<uint32_t> AlsaVolumeMixer::Volume() {
  if (element_ == nullptr) return std::nullopt;
  snd_mixer_handle_events(mixer_);  // pick up changes made by other programs
  long raw = 0;
  if (snd_mixer_selem_get_playback_volume(element_, SND_MIXER_SCHN_FRONT_LEFT, &raw) < 0) {
    return std::nullopt;
  }
  return static_cast<uint32_t>(std::clamp(raw, rawMinimum_, rawMaximum_) - rawMinimum_);
}

bool AlsaVolumeMixer::SetVolume(uint32_t volume) {
  if (element_ == nullptr) return false;
  const long raw = rawMinimum_ + static_cast<long>(std::min(volume, Maximum()));
  return snd_mixer_selem_set_playback_volume_all(element_, raw) >= 0;
}

}  // namespace halvo
