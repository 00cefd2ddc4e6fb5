#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace halvo {

using Payload = std::vector<uint8_t>;

// One compressed video frame; identical still frames share their payload.
struct EncodedFrame {
  std::shared_ptr<const Payload> data;
  bool key = true;
};

}  // namespace halvo
