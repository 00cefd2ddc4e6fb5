#include "language/player_texts.h"

namespace halvo {
namespace {

using C = ControlId;

// One entry per language, in LanguageId order.
constexpr std::array<PlayerTexts, kLanguageCount> kPlayerTexts{
    // English
    PlayerTexts{
        {{
            {C::PlayListGroup, u"PlayList"},
            {C::PreviousFile, u"Previous file"},
            {C::NextFile, u"Next file"},
            {C::Delete, u"Delete"},
            {C::MotionSearchGroup, u"Motion Search"},
        }},
        {{
            {C::BackPlay, u"Back Play"},
            {C::Play, u"Play"},
            {C::Pause, u"Pause"},
            {C::Stop, u"Stop"},
            {C::Faster, u"Increase Speed"},
            {C::Slower, u"Decrease Speed"},
            {C::StepForward, u"Skip Forward"},
            {C::StepBack, u"Skip Backward"},
            {C::Voice, u"Voice"},
            {C::ZoomIn, u"Zoom In"},
            {C::ZoomOut, u"Zoom Out"},
            {C::SearchBack, u"Search Back"},
            {C::SearchStop, u"Search Stop"},
            {C::SearchForward, u"Search Previous"},
        }},
        {u"File name", u"Speed:", u"Zoom:", u"Resolution:", u"FPS:", u"Record date:"},
    },
    // TraditionalChinese
    PlayerTexts{
        {{
            {C::PlayListGroup, u"播放清單"},
            {C::PreviousFile, u"上一個檔案"},
            {C::NextFile, u"下一個檔案"},
            {C::Delete, u"刪除"},
            {C::MotionSearchGroup, u"畫面搜尋"},
        }},
        {{
            {C::BackPlay, u"倒播"},
            {C::Play, u"播放"},
            {C::Pause, u"暫停"},
            {C::Stop, u"播放停止"},
            {C::Faster, u"快速"},
            {C::Slower, u"慢速"},
            {C::StepForward, u"向前格放"},
            {C::StepBack, u"向後格放"},
            {C::Voice, u"音量"},
            {C::ZoomIn, u"放大"},
            {C::ZoomOut, u"縮小"},
            {C::SearchBack, u"向後搜尋"},
            {C::SearchStop, u"搜尋停止"},
            {C::SearchForward, u"向前搜尋"},
        }},
        {u"檔案名稱", u"播放速度:", u"縮放大小:", u"解析度:", u"拍攝每秒畫面:", u"拍攝日期:"},
    },
    // SimplifiedChinese
    PlayerTexts{
        {{
            {C::PlayListGroup, u"播放清单"},
            {C::PreviousFile, u"上一个档案"},
            {C::NextFile, u"下一个档案"},
            {C::Delete, u"刪除"},
            {C::MotionSearchGroup, u"画面搜寻"},
        }},
        {{
            {C::BackPlay, u"倒播"},
            {C::Play, u"播放"},
            {C::Pause, u"暂停"},
            {C::Stop, u"播放停止"},
            {C::Faster, u"快速"},
            {C::Slower, u"慢速"},
            {C::StepForward, u"向前格放"},
            {C::StepBack, u"向后格放"},
            {C::Voice, u"音量"},
            {C::ZoomIn, u"放大"},
            {C::ZoomOut, u"缩小"},
            {C::SearchBack, u"向后搜寻"},
            {C::SearchStop, u"搜寻停止"},
            {C::SearchForward, u"向前搜寻"},
        }},
        {u"文件名", u"播放速度:", u"缩放大小:", u"分辨率:", u"拍摄每秒框数:", u"拍摄日期:"},
    },
    // Japanese
    PlayerTexts{
        {{
            {C::PlayListGroup, u"再生リスト"},
            {C::PreviousFile, u"前のフアイル"},
            {C::NextFile, u"次のフアイル"},
            {C::Delete, u"削除"},
            {C::MotionSearchGroup, u"ﾓｰｼｮﾝ検索"},
        }},
        {{
            {C::BackPlay, u"逆再生"},
            {C::Play, u"再生"},
            {C::Pause, u"ポーズ"},
            {C::Stop, u"停止"},
            {C::Faster, u"早送り"},
            {C::Slower, u"スロー"},
            {C::StepForward, u"コマ送り"},
            {C::StepBack, u"コマ戻り"},
            {C::Voice, u"音量"},
            {C::ZoomIn, u"ズームイン"},
            {C::ZoomOut, u"ズームアウト"},
            {C::SearchBack, u"後検索"},
            {C::SearchStop, u"検索停止"},
            {C::SearchForward, u"前検索"},
        }},
        {u"ファイル名", u"スピード:", u"ズーム:", u"解像度:", u"フレーム数:", u"日付:"},
    },
    // Korean
    PlayerTexts{
        {{
            {C::PlayListGroup, u"재생목록"},
            {C::PreviousFile, u"이전"},
            {C::NextFile, u"다음"},
            {C::Delete, u"정정"},
            {C::MotionSearchGroup, u"이동탐색"},
        }},
        {{
            {C::BackPlay, u"뒤로재생"},
            {C::Play, u"재생"},
            {C::Pause, u"일시정지"},
            {C::Stop, u"정지"},
            {C::Faster, u"증가"},
            {C::Slower, u"속도줄임"},
            {C::StepForward, u"전방건너뛰기"},
            {C::StepBack, u"후방건너뛰기"},
            {C::Voice, u"음성"},
            {C::ZoomIn, u"확대"},
            {C::ZoomOut, u"축소"},
            {C::SearchBack, u"뒤로검색"},
            {C::SearchStop, u"검색중지"},
            {C::SearchForward, u"이전검색"},
        }},
        {u"파일명", u"속도:", u"확대:", u"해상도:", u"FPS:", u"날짜/시간:"},
    },
};

template <size_t N>
std::u16string_view FindText(const std::array<ControlText, N>& texts, ControlId control) {
  for (const auto& entry : texts) {
    if (entry.control == control) return entry.text;
  }
  return {};
}

}  // namespace

const PlayerTexts& PlayerTextsFor(LanguageId language) { return kPlayerTexts[Index(language)]; }

std::u16string_view ControlTextFor(LanguageId language, ControlId control) {
  return FindText(PlayerTextsFor(language).controlTexts, control);
}

std::u16string_view TooltipFor(LanguageId language, ControlId control) {
  return FindText(PlayerTextsFor(language).tooltips, control);
}

}  // namespace halvo
