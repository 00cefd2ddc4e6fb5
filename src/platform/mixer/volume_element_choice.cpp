#include "platform/mixer/volume_element_choice.h"

#include <algorithm>

namespace halvo {

std::optional<std::string> ChooseVolumeElement(const std::vector<std::string>& elements) {
  for (const char* preferred : {"Master", "Speaker", "PCM"}) {
    if (std::find(elements.begin(), elements.end(), preferred) != elements.end()) return preferred;
  }
  return std::nullopt;
}

}  // namespace halvo
