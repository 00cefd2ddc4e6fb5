#include "mpeg4_frames.h"

#include <gst/app/gstappsink.h>
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "scene_painter.h"

namespace halvo {

namespace {

struct GstObjectDeleter {
  void operator()(gpointer object) const { gst_object_unref(object); }
};
using GstPtr = std::unique_ptr<GstElement, GstObjectDeleter>;

GstFlowReturn CollectSample(GstAppSink* sink, gpointer user) {
  auto* frames = static_cast<std::vector<EncodedFrame>*>(user);
  GstSample* sample = gst_app_sink_pull_sample(sink);
  if (!sample) return GST_FLOW_EOS;
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  GstMapInfo map;
  if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
    frames->push_back({std::make_shared<const Payload>(map.data, map.data + map.size),
                       !GST_BUFFER_FLAG_IS_SET(buffer, GST_BUFFER_FLAG_DELTA_UNIT)});
    gst_buffer_unmap(buffer, &map);
  }
  gst_sample_unref(sample);
  return GST_FLOW_OK;
}

std::string ErrorText(GstMessage* message) {
  GError* error = nullptr;
  gst_message_parse_error(message, &error, nullptr);
  std::string text = error ? error->message : "unknown error";
  if (error) g_error_free(error);
  return text;
}

}  // namespace

std::vector<EncodedFrame> MakeMpeg4Frames(const ClipOptions& options) {
  gst_init(nullptr, nullptr);
  const std::string description =
      "appsrc name=src format=time block=true max-bytes=16000000 ! videoconvert ! "
      "avenc_mpeg4 max-bframes=0 sc-threshold=1000000000 pass=quant quantizer=4 gop-size=" +
      std::to_string(options.keyframeEvery) + " ! appsink name=sink sync=false";
  GError* error = nullptr;
  GstPtr pipeline(gst_parse_launch(description.c_str(), &error));
  if (!pipeline || error) {
    std::string text = error ? error->message : "no pipeline";
    if (error) g_error_free(error);
    throw std::runtime_error("MPEG-4 encoder unavailable (gstreamer1.0-libav): " + text);
  }
  GstPtr source(gst_bin_get_by_name(GST_BIN(pipeline.get()), "src"));
  GstPtr sink(gst_bin_get_by_name(GST_BIN(pipeline.get()), "sink"));

  GstCaps* caps = gst_caps_new_simple(
      "video/x-raw", "format", G_TYPE_STRING, "BGRx", "width", G_TYPE_INT, options.width, "height",
      G_TYPE_INT, options.height, "framerate", GST_TYPE_FRACTION, static_cast<int>(options.rate),
      static_cast<int>(options.scale), nullptr);
  gst_app_src_set_caps(GST_APP_SRC(source.get()), caps);
  gst_caps_unref(caps);

  std::vector<EncodedFrame> frames;
  frames.reserve(static_cast<size_t>(options.frames));
  GstAppSinkCallbacks callbacks{};
  callbacks.new_sample = CollectSample;
  gst_app_sink_set_callbacks(GST_APP_SINK(sink.get()), &callbacks, &frames, nullptr);

  gst_element_set_state(pipeline.get(), GST_STATE_PLAYING);
  const QImage still = PaintScene(options.width, options.height, std::nullopt);
  const uint64_t frameNs = GST_SECOND * options.scale / options.rate;
  for (int f = 0; f < options.frames; ++f) {
    const std::optional<int> left = ObjectLeft(options, f);
    const QImage moving = left ? PaintScene(options.width, options.height, left) : QImage();
    const QImage& image = left ? moving : still;
    GstBuffer* buffer = gst_buffer_new_memdup(image.constBits(), image.sizeInBytes());
    GST_BUFFER_PTS(buffer) = frameNs * static_cast<uint64_t>(f);
    GST_BUFFER_DURATION(buffer) = frameNs;
    if (gst_app_src_push_buffer(GST_APP_SRC(source.get()), buffer) != GST_FLOW_OK) break;
  }
  gst_app_src_end_of_stream(GST_APP_SRC(source.get()));

  GstBus* bus = gst_element_get_bus(pipeline.get());
  GstMessage* message = gst_bus_timed_pop_filtered(
      bus, 300 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  gst_object_unref(bus);
  std::string failure;
  if (!message) {
    failure = "MPEG-4 encoding timed out";
  } else {
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) failure = ErrorText(message);
    gst_message_unref(message);
  }
  gst_element_set_state(pipeline.get(), GST_STATE_NULL);
  if (!failure.empty()) throw std::runtime_error("MPEG-4 encoding failed: " + failure);
  if (frames.size() != static_cast<size_t>(options.frames)) {
    throw std::runtime_error("MPEG-4 encoder returned " + std::to_string(frames.size()) +
                             " frames for " + std::to_string(options.frames));
  }
  return frames;
}

}  // namespace halvo
