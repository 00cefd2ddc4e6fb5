#include "language/text.h"

#include <gtest/gtest.h>

namespace halvo {
namespace {

TEST(Text, Utf8RoundTripKeepsEveryPlane) {
  const std::u16string texts[] = {u"", u"PlayList", u"ﾓｰｼｮﾝ検索", u"재생목록", u"\U0001F3A5 clip"};
  for (const auto& text : texts) EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Text, InvalidUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b"),
            u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xE6\x97"), u"\uFFFD\uFFFD");  // truncated sequence
}

TEST(Text, FormatText) {
  EXPECT_EQ(FormatText("%d fps", 30), u"30 fps");
  EXPECT_EQ(FormatText("/%02d:%02d:%02d", 1, 2, 5), u"/01:02:05");
  EXPECT_EQ(FormatText("%d %%", 50), u"50 %");
}

}  // namespace
}  // namespace halvo
