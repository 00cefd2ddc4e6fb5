#pragma once

#include <optional>
#include <string>
#include <vector>

namespace halvo {

// The speaker volume among the mixer elements that have a playback volume: "Master", else
// "Speaker", else "PCM"; nothing when none of them exists.
std::optional<std::string> ChooseVolumeElement(const std::vector<std::string>& elements);

}  // namespace halvo
