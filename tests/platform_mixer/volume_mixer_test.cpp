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

TEST(AlsaVolumeMixerTest, DefaultCardVolumeRoundTripsWhenThereIsOne) {
  AlsaVolumeMixer mixer;
  if (mixer.Open() != MixerOpenResult::kOpened) GTEST_SKIP() << "no sound card with a volume";
  EXPECT_LE(mixer.Minimum(), mixer.Maximum());
  const std::optional<uint32_t> before = mixer.Volume();
  ASSERT_TRUE(before.has_value());
  ASSERT_TRUE(mixer.SetVolume(mixer.Maximum() / 2));
  EXPECT_EQ(mixer.Volume(), mixer.Maximum() / 2);
  EXPECT_TRUE(mixer.SetVolume(*before));
}

}  // namespace
}  // namespace halvo
