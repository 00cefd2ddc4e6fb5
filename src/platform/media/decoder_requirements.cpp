#include "platform/media/decoder_requirements.h"

#include <vector>

#include "language/text.h"

namespace halvo {

std::optional<std::u16string> MissingDecoderMessage(
    const std::function<bool(std::string_view element)>& isInstalled) {
  std::vector<std::string_view> packages;
  std::string elements;
  for (const DecoderRequirement& requirement : kDecoderRequirements) {
    if (isInstalled(requirement.element)) continue;
    elements += elements.empty() ? "" : ", ";
    elements += requirement.element;
    bool listed = false;
    for (std::string_view package : packages) listed = listed || package == requirement.package;
    if (!listed) packages.push_back(requirement.package);
  }
  if (packages.empty()) return std::nullopt;

  std::string names;
  for (std::string_view package : packages) {
    names += names.empty() ? "" : " ";
    names += package;
  }
  return FromUtf8("Some recordings cannot be played: the GStreamer element(s) " + elements +
                  " are missing.\nInstall the Debian package(s): " + names);
}

}  // namespace halvo
