#pragma once

#include <string>

namespace halvo {

// What the scanner learns of the current clip.
struct ClipInfo {
  bool keyframeIndex = false;
  std::u16string frameRateText;
  std::u16string recordDateText;
};

}  // namespace halvo
