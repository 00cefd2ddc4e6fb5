#include "app/player_template.h"

namespace halvo {
namespace {

constexpr int XPixels(int units) { return units * 3 / 2; }
constexpr int YPixels(int units) { return units * 13 / 8; }

using K = ControlKind;
using C = ControlId;

constexpr std::array kControls{
    ControlTemplate{C::VideoArea, K::VideoArea, {7, 6, 425, 298}, u"", true},
    ControlTemplate{C::PanHorizontalBar, K::HorizontalScrollBar, {7, 304, 425, 9}, u"", false},
    ControlTemplate{C::PanVerticalBar, K::VerticalScrollBar, {432, 4, 9, 309}, u"", false},
    ControlTemplate{C::SeekBar, K::SeekBar, {7, 313, 354, 12}, u"", true},
    ControlTemplate{C::ElapsedTime, K::StaticText, {363, 315, 35, 9}, u"00:00:00", true},
    ControlTemplate{C::TotalTime, K::StaticText, {400, 315, 40, 9}, u"/00:00:00", true},
    ControlTemplate{C::Stop, K::IconButton, {64, 330, 18, 15}, u"", true},
    ControlTemplate{C::BackPlay, K::IconButton, {88, 330, 17, 15}, u"", true},
    ControlTemplate{C::Slower, K::IconButton, {113, 330, 18, 15}, u"", true},
    ControlTemplate{C::StepBack, K::IconButton, {137, 330, 18, 15}, u"", true},
    ControlTemplate{C::Play, K::IconButton, {162, 327, 24, 20}, u"", true},
    ControlTemplate{C::StepForward, K::IconButton, {193, 330, 18, 15}, u"", true},
    ControlTemplate{C::Faster, K::IconButton, {219, 330, 18, 15}, u"", true},
    ControlTemplate{C::Pause, K::IconButton, {246, 330, 18, 15}, u"", true},
    ControlTemplate{C::ZoomIn, K::IconButton, {271, 330, 18, 15}, u"", true},
    ControlTemplate{C::Voice, K::IconButton, {355, 331, 18, 15}, u"", true},
    ControlTemplate{C::VolumeBar, K::VolumeBar, {373, 335, 59, 10}, u"", true},
    ControlTemplate{C::PlayListGroup, K::GroupBox, {443, 1, 150, 300}, u"PlayList", true},
    ControlTemplate{C::PlayList, K::ListBox, {449, 14, 137, 261}, u"", true},
    ControlTemplate{C::PreviousFile, K::PushButton, {448, 280, 51, 15}, u"Previous file", true},
    ControlTemplate{C::NextFile, K::PushButton, {499, 280, 51, 15}, u"Next file", true},
    ControlTemplate{C::Delete, K::PushButton, {552, 280, 35, 15}, u"Delete", true},
    ControlTemplate{C::MotionSearchGroup, K::GroupBox, {443, 318, 71, 30}, u"Motion Search", true},
    ControlTemplate{C::SearchBack, K::IconButton, {449, 330, 18, 15}, u"", true},
    ControlTemplate{C::SearchForward, K::IconButton, {467, 330, 18, 15}, u"", true},
    ControlTemplate{C::SearchLevel, K::Edit, {486, 331, 22, 12}, u"", true},
    ControlTemplate{C::Ok, K::DefaultButton, {566, 311, 27, 17}, u"OK", false},
    ControlTemplate{C::Cancel, K::PushButton, {566, 331, 27, 17}, u"Cancel", false},
    ControlTemplate{C::SearchStop, K::IconButton, {535, 313, 27, 17}, u"Stop", false},
    ControlTemplate{C::ZoomOut, K::IconButton, {536, 332, 27, 17}, u"Out", false},
    ControlTemplate{C::StaticIcon, K::StaticIcon, {445, 353, 20, 20}, u"", false},
};

}  // namespace

TemplateRect DialogUnitsToPixels(const TemplateRect& units) {
  const int left = XPixels(units.x);
  const int top = YPixels(units.y);
  return {left, top, XPixels(units.x + units.width) - left, YPixels(units.y + units.height) - top};
}

std::span<const ControlTemplate> PlayerControls() { return kControls; }

std::array<int, kStatusPaneCount> StatusPaneRightEdges(int statusBarWidth) {
  const int w = statusBarWidth;
  return {w - 720, w - 600, w - 480, w - 340, w - 200, -1};
}

}  // namespace halvo
