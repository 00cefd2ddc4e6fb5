#include "language/player_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace halvo {
namespace {

constexpr LanguageId kLanguages[] = {LanguageId::English, LanguageId::TraditionalChinese,
                                     LanguageId::SimplifiedChinese, LanguageId::Japanese,
                                     LanguageId::Korean};

TEST(PlayerTexts, EveryLanguageCoversTheSameControls) {
  const std::set<ControlId> iconButtons{
      ControlId::BackPlay,   ControlId::Play,         ControlId::Pause,       ControlId::Stop,
      ControlId::Faster,     ControlId::Slower,       ControlId::StepForward, ControlId::StepBack,
      ControlId::Voice,      ControlId::ZoomIn,       ControlId::ZoomOut,     ControlId::SearchBack,
      ControlId::SearchStop, ControlId::SearchForward};
  const ControlId captioned[] = {ControlId::PlayListGroup, ControlId::PreviousFile,
                                 ControlId::NextFile, ControlId::Delete,
                                 ControlId::MotionSearchGroup};
  for (LanguageId language : kLanguages) {
    SCOPED_TRACE(Index(language));
    const PlayerTexts& texts = PlayerTextsFor(language);
    std::set<ControlId> tooltipped;
    for (const auto& tip : texts.tooltips) {
      EXPECT_FALSE(tip.text.empty());
      tooltipped.insert(tip.control);
    }
    EXPECT_EQ(tooltipped, iconButtons);
    for (size_t i = 0; i < std::size(captioned); ++i) {
      EXPECT_EQ(texts.controlTexts[i].control, captioned[i]);
      EXPECT_FALSE(texts.controlTexts[i].text.empty());
    }
    EXPECT_TRUE(TooltipFor(language, ControlId::PlayList).empty());
    EXPECT_TRUE(ControlTextFor(language, ControlId::Play).empty());
  }
}

TEST(PlayerTexts, TextsStandExactlyAsTabled) {
  struct Case {
    LanguageId language;
    ControlId control;
    std::u16string_view caption;
    std::u16string_view tooltip;
  };
  const Case cases[] = {
      {LanguageId::SimplifiedChinese, ControlId::Delete, u"刪除", {}},  // the traditional form
      {LanguageId::Japanese, ControlId::MotionSearchGroup, u"ﾓｰｼｮﾝ検索", {}},  // half-width
      {LanguageId::Japanese, ControlId::PreviousFile, u"前のフアイル", {}},    // large "ア"
      {LanguageId::Japanese, ControlId::NextFile, u"次のフアイル", {}},
      {LanguageId::Korean, ControlId::Delete, u"정정", {}},
      {LanguageId::English, ControlId::PlayListGroup, u"PlayList", {}},
      {LanguageId::English, ControlId::SearchForward, {}, u"Search Previous"},
      {LanguageId::English, ControlId::Faster, {}, u"Increase Speed"},
      {LanguageId::TraditionalChinese, ControlId::Pause, {}, u"暫停"},
      {LanguageId::SimplifiedChinese, ControlId::Pause, {}, u"暂停"},
      {LanguageId::Japanese, ControlId::Voice, {}, u"音量"},
      {LanguageId::Japanese, ControlId::ZoomOut, {}, u"ズームアウト"},  // hidden button too
      {LanguageId::Korean, ControlId::SearchStop, {}, u"검색중지"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.control));
    if (!c.caption.empty()) {
      EXPECT_EQ(ControlTextFor(c.language, c.control), c.caption);
    }
    if (!c.tooltip.empty()) {
      EXPECT_EQ(TooltipFor(c.language, c.control), c.tooltip);
    }
  }
}

TEST(PlayerTexts, StatusLabelsPerLanguage) {
  const StatusPaneLabels& korean = PlayerTextsFor(LanguageId::Korean).labels;
  EXPECT_EQ(korean.frameRateLabel, u"FPS:");
  EXPECT_EQ(korean.recordDateLabel, u"날짜/시간:");
  const StatusPaneLabels& english = PlayerTextsFor(LanguageId::English).labels;
  EXPECT_EQ(english.fileNameLabel, u"File name");
  EXPECT_EQ(english.speedLabel, u"Speed:");
  EXPECT_EQ(english.zoomLabel, u"Zoom:");
  EXPECT_EQ(english.resolutionLabel, u"Resolution:");
  EXPECT_EQ(english.frameRateLabel, u"FPS:");
  EXPECT_EQ(english.recordDateLabel, u"Record date:");
  EXPECT_EQ(PlayerTextsFor(LanguageId::TraditionalChinese).labels.frameRateLabel, u"拍攝每秒畫面:");
  EXPECT_EQ(PlayerTextsFor(LanguageId::SimplifiedChinese).labels.frameRateLabel, u"拍摄每秒框数:");
  EXPECT_EQ(PlayerTextsFor(LanguageId::Japanese).labels.fileNameLabel, u"ファイル名");
}

}  // namespace
}  // namespace halvo
