#include "clip/clip_scanner.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "clip/clip_bytes.h"
#include "support/temp_folder.h"

namespace halvo {
namespace {

using test::ClipBytes;
using namespace std::string_literals;

constexpr int32_t kOld = -7;  // what an earlier scan left in a slot

std::unique_ptr<FrameIndex> IndexFilledWith(int32_t value) {
  auto index = std::make_unique<FrameIndex>();
  for (int i = 0; i < FrameIndex::size(); ++i) index->Set(i, value);
  return index;
}

// The usual head: video stream header at 108 (1/30), record name at 300.
ClipBytes RecorderHead() {
  ClipBytes clip;
  clip.Vids(108, 1, 30).Rec(300, "2012_06_22_15_30_45");
  return clip;
}

ScanMessage Plain(std::u16string_view text) { return {std::u16string(text), PromptIcon::None}; }

struct ScanCase {
  const char* name = "";
  std::function<ClipBytes()> build = nullptr;
  bool keyframeIndex = false;
  const char* fileName = "clip.avi";
  std::u16string frameRateText = u"";
  std::optional<std::u16string> recordDateText = std::nullopt;
  std::optional<std::u16string> recordDatePane = std::nullopt;
  std::vector<int32_t> sizes = {};  // slots written, in order
  std::vector<ScanMessage> messages = {};
};

void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.name; }

class ScanClipCases : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanClipCases, ReadsMarkersRateNameAndIndex) {
  const ScanCase& c = GetParam();
  TempFolder dir;
  const std::string path = dir / c.fileName;
  c.build().WriteTo(path);
  auto index = IndexFilledWith(kOld);

  const ScanResult result = ScanClip(path, c.keyframeIndex, *index);

  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.frameRateText, c.frameRateText);
  EXPECT_EQ(result.frameRatePane, c.frameRateText + u" fps");
  EXPECT_EQ(result.recordDateText, c.recordDateText);
  EXPECT_EQ(result.recordDatePane, c.recordDatePane);
  EXPECT_EQ(result.messages, c.messages);
  ASSERT_EQ(result.entries, static_cast<int>(c.sizes.size()));
  for (size_t i = 0; i < c.sizes.size(); ++i)
    EXPECT_EQ(index->Get(static_cast<int>(i)), c.sizes[i]);
  EXPECT_EQ(index->Get(static_cast<int>(c.sizes.size())), kOld) << "slot past the entries";
}

const std::u16string kRecorderDate = u"2012.06.22.15.30.45" + std::u16string(9, u'\0');

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ScanClipCases,
    testing::Values(
        ScanCase{.name = "RecorderClipPerFrame",
                 .build =
                     [] {
                       return RecorderHead()
                           .Movi(500)
                           .Record("00db", 0x10, 10)
                           .Record("01wb", 0x10, 99)
                           .Record("00db", 0x10, 20)
                           .Record("00db", 0, 30);
                     },
                 .frameRateText = u"30",
                 .recordDateText = kRecorderDate,
                 .recordDatePane = u"2012.06.22",
                 .sizes = {10, 20, 30}},
        ScanCase{.name = "LaterRecAndVidsWin",
                 .build =
                     [] {
                       return ClipBytes()
                           .Rec(60, "FIRST")
                           .Vids(108, 1, 30)
                           .Rec(300, "SECOND")
                           .Vids(400, 2, 59)
                           .Movi(600)
                           .Record("00db", 0, 1);
                     },
                 .frameRateText = u"29",
                 .recordDateText = u"SECOND" + std::u16string(22, u'\0'),
                 .recordDatePane = u"SECOND",
                 .sizes = {1}},
        ScanCase{
            .name = "NameAfterLastBackslash",
            .build = [] { return ClipBytes().Vids(108, 1, 15).Rec(300, "ABC\\DEF_GH").Movi(500); },
            .frameRateText = u"15",
            .recordDateText = u"DEF.GH" + std::u16string(18, u'\0'),
            .recordDatePane = u"DEF.GH"},
        ScanCase{.name = "BackslashAfterNulIgnoredAndBytesSignExtended",
                 .build =
                     [] {
                       return ClipBytes().Vids(108, 1, 30).Rec(300, "A_\x80\xff\0C\\D_"s).Movi(500);
                     },
                 .frameRateText = u"30",
                 .recordDateText = u"A.\uff80\uffff\0C\\D."s + std::u16string(19, u'\0'),
                 .recordDatePane = u"A.\uff80\uffff"},
        ScanCase{.name = "NoRecNameFromFileName",
                 .build = [] { return ClipBytes().Vids(108, 1, 30).Movi(500); },
                 .fileName = "2012_06_22_1530.avi",
                 .frameRateText = u"30",
                 .recordDateText = u"2012.06.22.1530.avi",
                 .recordDatePane = u"2012.06.22"},
        ScanCase{.name = "NoVidsUsesOffsets20And24",
                 .build = [] { return ClipBytes().U32(20, 1).U32(24, 25).Rec(300, "X").Movi(500); },
                 .frameRateText = u"25",
                 .recordDateText = u"X" + std::u16string(27, u'\0'),
                 .recordDatePane = u"X"},
        ScanCase{.name = "KeyFrameModeTakesDcFlaggedExactly0x10",
                 .build =
                     [] {
                       return RecorderHead()
                           .Movi(500)
                           .Record("00dc", 0x10, 1)
                           .Record("00dc", 0x11, 2)
                           .Record("00dc", 0, 3)
                           .Record("00db", 0x10, 4)
                           .Record("01wb", 0x10, 5)
                           .Record("00dc", 0x10, 6);
                     },
                 .keyframeIndex = true,
                 .frameRateText = u"30",
                 .recordDateText = kRecorderDate,
                 .recordDatePane = u"2012.06.22",
                 .sizes = {1, 6}},
        ScanCase{.name = "PerFrameModeTakesEveryDb",
                 .build =
                     [] {
                       return RecorderHead()
                           .Movi(500)
                           .Record("00db", 0, 1)
                           .Record("00dc", 0x10, 2)
                           .Record("00db", 0x11, 3)
                           .Record("00db", 0xffffffff, 4);
                     },
                 .frameRateText = u"30",
                 .recordDateText = kRecorderDate,
                 .recordDatePane = u"2012.06.22",
                 .sizes = {1, 3, 4}},
        ScanCase{.name = "MoviAt1024WarnsAndStillScans",
                 .build = [] { return RecorderHead().Movi(1024).Record("00db", 0, 8); },
                 .frameRateText = u"30",
                 .recordDateText = kRecorderDate,
                 .recordDatePane = u"2012.06.22",
                 .sizes = {8},
                 .messages = {Plain(kMoviAtLimitText)}},
        ScanCase{.name = "MoviAt1023IsQuiet",
                 .build = [] { return RecorderHead().Movi(1023).Record("00db", 0, 8); },
                 .frameRateText = u"30",
                 .recordDateText = kRecorderDate,
                 .recordDatePane = u"2012.06.22",
                 .sizes = {8}},
        ScanCase{.name = "MoviAt1025IsNotFound",
                 .build = [] { return RecorderHead().Movi(1025).Record("00db", 0, 8); },
                 .frameRateText = u"30"},
        ScanCase{.name = "NoMoviEndsAfterFrameRate",
                 .build = [] { return RecorderHead().Record("00db", 0, 8); },
                 .frameRateText = u"30"},
        ScanCase{.name = "ScaleZeroGivesRateZero",
                 .build = [] { return ClipBytes().Vids(108, 0, 30).Rec(300, "N").Movi(500); },
                 .frameRateText = u"0",
                 .recordDateText = u"N" + std::u16string(27, u'\0'),
                 .recordDatePane = u"N"},
        ScanCase{.name = "NegativeWordsDivideSigned",
                 .build =
                     [] {
                       return ClipBytes().Vids(108, 0xffffffff, 0x80000000).Rec(300, "N").Movi(500);
                     },
                 .frameRateText = u"2147483648",
                 .recordDateText = u"N" + std::u16string(27, u'\0'),
                 .recordDatePane = u"N"},
        ScanCase{.name = "ShortFileMissingRateWords",
                 .build = [] { return ClipBytes(0).Put(0, "RIFF").Vids(40, 1, 30).Truncate(62); },
                 .frameRateText = u"0"},
        ScanCase{.name = "TruncatedLastRecordIsAbsent",
                 .build =
                     [] {
                       ClipBytes clip =
                           RecorderHead().Movi(500).Record("00db", 0, 1).Record("00db", 0, 2);
                       return clip.Truncate(clip.size() - 1);
                     },
                 .frameRateText = u"30",
                 .recordDateText = kRecorderDate,
                 .recordDatePane = u"2012.06.22",
                 .sizes = {1}},
        ScanCase{
            .name = "ListEndPastFileEnd",
            .build =
                [] { return RecorderHead().Movi(500).Record("00db", 0, 1).U32(496, 1u << 30); },
            .frameRateText = u"30",
            .recordDateText = kRecorderDate,
            .recordDatePane = u"2012.06.22"}),
    [](const testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

TEST(ScanClip, IndexLimitStoresFirst100000AndWarnsOnce) {
  constexpr int kSlots = FrameIndex::size();
  struct Case {
    int records;  // all taken; the last one has size 77, the others 3
    int entries;
    bool warned;
    int32_t lastSlot;
  };
  const Case cases[] = {{kSlots - 1, kSlots - 1, false, kOld},
                        {kSlots, kSlots, true, 77},
                        {kSlots + 5, kSlots, true, 3}};
  TempFolder dir;
  const std::string path = dir / "long.avi";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.records);
    RecorderHead()
        .Movi(500)
        .Record("00db", 0, 3, c.records - 1)
        .Record("00db", 0, 77)
        .WriteTo(path);
    auto index = IndexFilledWith(kOld);

    const ScanResult result = ScanClip(path, false, *index);

    EXPECT_EQ(result.entries, c.entries);
    EXPECT_EQ(result.messages,
              c.warned ? std::vector{Plain(kIndexFullText)} : std::vector<ScanMessage>{});
    EXPECT_EQ(index->Get(kSlots - 1), c.lastSlot);
    EXPECT_EQ(index->Get(kSlots - 2), c.records == kSlots - 1 ? 77 : 3);
  }
}

TEST(ScanClip, ShortClipAfterLongLeavesLaterSlots) {
  TempFolder dir;
  const std::string longClip = dir / "long.avi";
  const std::string shortClip = dir / "short.avi";
  RecorderHead().Movi(500).Record("00db", 0, 50, 10).WriteTo(longClip);
  RecorderHead().Movi(500).Record("00db", 0, 9, 3).WriteTo(shortClip);
  auto index = IndexFilledWith(0);

  ScanClip(longClip, false, *index);
  ScanClip(shortClip, false, *index);

  EXPECT_EQ(index->Get(2), 9);
  EXPECT_EQ(index->Get(3), 50);
  EXPECT_EQ(index->Get(9), 50);
  EXPECT_EQ(index->Get(10), 0);
}

TEST(ScanClip, UnopenableFileOnlyReportsError) {
  TempFolder dir;
  auto index = IndexFilledWith(kOld);
  for (const std::string& path : {dir / "missing.avi", dir.path(), std::string()}) {
    SCOPED_TRACE(path);
    const ScanResult result = ScanClip(path, false, *index);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(
        result.messages,
        (std::vector<ScanMessage>{{std::u16string(kClipOpenFailedText), PromptIcon::Information}}));
    ClipInfo info{true, u"12", u"old"};
    ApplyScanResult(result, info);
    EXPECT_EQ(info.frameRateText, u"12");
    EXPECT_EQ(info.recordDateText, u"old");
  }
  EXPECT_EQ(index->Get(0), kOld);
}

TEST(ScanClip, StopFlagEndsWalkBeforeWriting) {
  TempFolder dir;
  const std::string path = dir / "clip.avi";
  RecorderHead().Movi(500).Record("00db", 0, 5, 10).WriteTo(path);
  auto index = IndexFilledWith(kOld);
  std::atomic<bool> stop{true};

  const ScanResult result = ScanClip(path, false, *index, &stop);

  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.entries, 0);
  EXPECT_EQ(index->Get(0), kOld);
}

TEST(ApplyScanResult, KeepsRecordDateWhenScanEndedBeforeIt) {
  ClipInfo info{false, u"12", u"old"};
  ScanResult result;
  result.opened = true;
  result.frameRateText = u"30";
  ApplyScanResult(result, info);
  EXPECT_EQ(info.frameRateText, u"30");
  EXPECT_EQ(info.recordDateText, u"old");
  result.recordDateText = u"new";
  ApplyScanResult(result, info);
  EXPECT_EQ(info.recordDateText, u"new");
}

TEST(ProbeIndexKind, KeyFrameIndexUnlessByte115IsG) {
  TempFolder dir;
  const std::string path = dir / "clip.avi";
  struct Case {
    ClipBytes bytes;
    bool keyframeIndex;
  };
  const Case cases[] = {{ClipBytes(256).Put(112, "MJPG"), false},
                        {ClipBytes(256).Put(112, "FMP4"), true},
                        {ClipBytes(116).Put(115, "g"), true},
                        {ClipBytes(115), true}};  // too short to hold the byte
  for (const Case& c : cases) {
    c.bytes.WriteTo(path);
    ClipInfo info;
    info.keyframeIndex = !c.keyframeIndex;
    EXPECT_TRUE(ProbeIndexKind(path, info));
    EXPECT_EQ(info.keyframeIndex, c.keyframeIndex);
  }
  ClipInfo info;
  info.keyframeIndex = true;
  EXPECT_FALSE(ProbeIndexKind(dir / "missing.avi", info));
  EXPECT_TRUE(info.keyframeIndex);
}

}  // namespace
}  // namespace halvo
