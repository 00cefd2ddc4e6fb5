#include "platform/media/decoder_requirements.h"

#include <gtest/gtest.h>

#include <set>

#include "language/text.h"

namespace halvo {
namespace {

std::optional<std::string> MessageWithout(std::set<std::string_view> missing) {
  const std::optional<std::u16string> message =
      MissingDecoderMessage([&](std::string_view element) { return !missing.contains(element); });
  if (!message) return std::nullopt;
  return ToUtf8(*message);
}

TEST(DecoderRequirementsTest, NamesEachMissingPackageOnce) {
  EXPECT_EQ(MessageWithout({}), std::nullopt);

  const std::string good = *MessageWithout({"jpegdec"});
  EXPECT_NE(good.find("jpegdec"), std::string::npos);
  EXPECT_NE(good.find("gstreamer1.0-plugins-good"), std::string::npos);
  EXPECT_EQ(good.find("gstreamer1.0-libav"), std::string::npos);

  const std::string libav = *MessageWithout({"avdec_mpeg4"});
  EXPECT_NE(libav.find("gstreamer1.0-libav"), std::string::npos);
  EXPECT_EQ(libav.find("plugins-good"), std::string::npos);

  const std::string all = *MessageWithout({"avidemux", "jpegdec", "avdec_mpeg4"});
  EXPECT_NE(all.find("avidemux, jpegdec, avdec_mpeg4"), std::string::npos);
  EXPECT_NE(all.find("gstreamer1.0-plugins-good gstreamer1.0-libav"), std::string::npos);
  EXPECT_EQ(all.find("plugins-good"), all.rfind("plugins-good"));
}

}  // namespace
}  // namespace halvo
