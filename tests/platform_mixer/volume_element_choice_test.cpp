#include "platform/mixer/volume_element_choice.h"

#include <gtest/gtest.h>

#include "platform/mixer/alsa_volume_mixer.h"

namespace halvo {
namespace {

TEST(VolumeElementChoiceTest, PrefersMasterThenSpeakerThenPcm) {
  using Names = std::vector<std::string>;
  const struct {
    Names elements;
    std::optional<std::string> chosen;
  } cases[] = {
      {{"PCM", "Speaker", "Master", "Headphone"}, "Master"},
      {{"Headphone", "PCM", "Speaker"}, "Speaker"},
      {{"Capture", "PCM"}, "PCM"},
      {{"Headphone", "master", "Front"}, std::nullopt},  // names match exactly
      {{}, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ChooseVolumeElement(c.elements), c.chosen);
}

TEST(AlsaVolumeMixerTest, CardWithoutMixerIsReportedAndLeavesNothingToSet) {
  AlsaVolumeMixer mixer("hw:31");  // no machine has 32 cards
  EXPECT_EQ(mixer.Open(), MixerOpenResult::kNoDevice);
  EXPECT_EQ(mixer.Volume(), std::nullopt);
  EXPECT_FALSE(mixer.SetVolume(5));
  EXPECT_EQ(mixer.Maximum(), 0u);
}

}  // namespace
}  // namespace halvo
