#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ctamio_dlg.h"
#include "platform/media/gst_media_graph.h"
#include "support/scripted_prompts.h"

namespace halvo {

// The player's services for window tests: scripted prompts, the real media graph with a
// fake audio sink, no sound card, all decoders present.
inline PlayerServices TestPlayerServices(ScriptedPrompts& prompts,
                                         std::string locale = "en_US.UTF-8",
                                         std::optional<OsVersion> os = OsVersion{}) {
  return PlayerServices{
      .prompts = &prompts,
      .localeName = std::move(locale),
      .readOsVersion = [os] { return os; },
      .makeMediaGraph =
          [](FrameSink* sink) {
            return std::make_unique<GstMediaGraph>(sink, GstMediaGraphOptions{.fakeAudio = true});
          },
      .checkDecoders = [] { return std::optional<std::u16string>(); },
      .mixer = nullptr,
  };
}

}  // namespace halvo
