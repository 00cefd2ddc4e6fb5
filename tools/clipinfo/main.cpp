// halvo-clipinfo: what the player's clip scanner reads from each clip, one JSON
// object per line.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>

#include "clip/clip_scanner.h"
#include "language/text.h"

namespace {

using Json = nlohmann::ordered_json;

Json Describe(const std::string& path, const halvo::ClipInfo& info, const halvo::ScanResult& result,
              const halvo::FrameIndex& index, bool sizes) {
  Json out;
  out["file"] = path;
  out["keyframeIndex"] = info.keyframeIndex;
  out["frameRateText"] = halvo::ToUtf8(info.frameRateText);
  out["recordDateText"] = halvo::ToUtf8(info.recordDateText);
  out["entries"] = result.entries;
  out["messages"] = Json::array();
  for (const halvo::ScanMessage& message : result.messages) {
    out["messages"].push_back(halvo::ToUtf8(message.text));
  }
  if (sizes) {
    out["sizes"] = Json::array();
    for (int slot = 0; slot < result.entries; ++slot) out["sizes"].push_back(index.Get(slot));
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  bool sizes = false;
  CLI::App app{
      "Runs the player's clip scanner on each FILE and prints one JSON object per line: file, "
      "keyframeIndex, frameRateText, recordDateText, entries, messages (and sizes with "
      "--sizes). A file that cannot be opened is reported on standard error and makes the "
      "exit status 2.",
      "halvo-clipinfo"};
  app.add_option("FILE", files, "Clip files")->required();
  app.add_flag("--sizes", sizes, "Also print the taken index sizes in order");
  CLI11_PARSE(app, argc, argv);

  auto index = std::make_unique<halvo::FrameIndex>();
  int status = 0;
  for (const std::string& path : files) {
    halvo::ClipInfo info;
    halvo::ProbeIndexKind(path, info);
    const halvo::ScanResult result = halvo::ScanClip(path, info.keyframeIndex, *index);
    if (!result.opened) {
      std::fprintf(stderr, "%s\n", halvo::ToUtf8(halvo::kClipOpenFailedText).c_str());
      status = 2;
      continue;
    }
    halvo::ApplyScanResult(result, info);
    const std::string line = Describe(path, info, result, *index, sizes)
                                 .dump(-1, ' ', false, Json::error_handler_t::replace);
    std::printf("%s\n", line.c_str());
  }
  return status;
}
