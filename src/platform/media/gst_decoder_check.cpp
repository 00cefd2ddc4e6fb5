#include "platform/media/gst_decoder_check.h"

#include <gst/gst.h>

#include "platform/media/decoder_requirements.h"

namespace halvo {

std::optional<std::u16string> CheckDecoders() {
  return MissingDecoderMessage([](std::string_view element) {
    GstElementFactory* factory = gst_element_factory_find(std::string(element).c_str());
    if (factory == nullptr) return false;
    gst_object_unref(factory);
    return true;
  });
}

}  // namespace halvo
