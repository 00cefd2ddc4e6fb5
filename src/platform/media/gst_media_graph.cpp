#include "platform/media/gst_media_graph.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "platform/media/packed_dib.h"

namespace halvo {
namespace {

using std::chrono::milliseconds;

// The first preroll includes finding the type and loading the decoders.
constexpr milliseconds kPrerollLimit{3000};
// Later prerolls decode one picture.
constexpr milliseconds kSettleLimit{1000};
// How long a failed state change waits for its error message.
constexpr milliseconds kErrorArrivalLimit{500};
// How often a preroll wait looks for a pipeline error (an error does not end the wait itself).
constexpr milliseconds kErrorPollSlice{20};

// playbin's flags: video and audio, nothing else (no subtitles, no software volume).
constexpr guint kPlayFlagVideo = 1u << 0;
constexpr guint kPlayFlagAudio = 1u << 1;

MediaCode CodeOfError(const GError* error) {
  uint32_t domain = 0xFF;
  if (error->domain == GST_CORE_ERROR) domain = 1;
  if (error->domain == GST_LIBRARY_ERROR) domain = 2;
  if (error->domain == GST_RESOURCE_ERROR) domain = 3;
  if (error->domain == GST_STREAM_ERROR) domain = 4;
  return MediaErrorCode(domain, error->code);
}

bool FakeAudioForced(const GstMediaGraphOptions& options) {
  const char* env = std::getenv("HALVO_FAKE_AUDIO");
  return options.fakeAudio || (env != nullptr && std::strcmp(env, "1") == 0);
}

// Owns one reference of a GStreamer object (floating references are sunk on adoption).
template <typename T>
struct GstRef {
  T* object = nullptr;
  explicit GstRef(T* adopted) : object(adopted) {
    if (object != nullptr) gst_object_ref_sink(object);
  }
  ~GstRef() {
    if (object != nullptr) gst_object_unref(object);
  }
  GstRef(const GstRef&) = delete;
  GstRef& operator=(const GstRef&) = delete;
};

// A mapped decoded picture that lives as long as the frame handed out.
struct MappedPicture {
  GstSample* sample = nullptr;
  GstVideoFrame frame{};
  MappedPicture(GstSample* s, const GstVideoFrame& f) : sample(s), frame(f) {}
  ~MappedPicture() {
    gst_video_frame_unmap(&frame);
    gst_sample_unref(sample);
  }
  MappedPicture(const MappedPicture&) = delete;
  MappedPicture& operator=(const MappedPicture&) = delete;
};

// Takes over the sample; nullptr when its picture cannot be read.
std::unique_ptr<MappedPicture> MapPicture(GstSample* sample) {
  GstVideoInfo info;
  GstVideoFrame frame;
  GstCaps* caps = gst_sample_get_caps(sample);
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  if (caps == nullptr || buffer == nullptr || !gst_video_info_from_caps(&info, caps) ||
      !gst_video_frame_map(&frame, &info, buffer, GST_MAP_READ)) {
    gst_sample_unref(sample);
    return nullptr;
  }
  return std::make_unique<MappedPicture>(sample, frame);
}

// The video format the appsink took; nothing before the first picture.
std::optional<GstVideoInfo> NegotiatedVideo(GstElement* appsink) {
  GstPad* pad = gst_element_get_static_pad(appsink, "sink");
  GstCaps* caps = gst_pad_get_current_caps(pad);
  gst_object_unref(pad);
  GstVideoInfo info;
  const bool known = caps != nullptr && gst_video_info_from_caps(&info, caps);
  if (caps != nullptr) gst_caps_unref(caps);
  if (!known) return std::nullopt;
  return info;
}

}  // namespace

struct GstMediaGraph::Pipeline {
  GstElement* playbin = nullptr;  // owned
  GstElement* appsink = nullptr;  // owned by playbin
  uint64_t generation = 0;
  FrameRoute* route = nullptr;
  MediaEventQueue* events = nullptr;
  // A file's length does not change while it plays; asking the whole chain every tick does cost.
  std::optional<int64_t> durationNs;

  ~Pipeline() {
    gst_element_set_state(playbin, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(playbin);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    gst_object_unref(playbin);
  }

  void Deliver(GstSample* sample) {
    if (sample == nullptr) return;
    std::unique_ptr<MappedPicture> picture = MapPicture(sample);
    if (!picture) return;
    VideoFrame frame;
    frame.generation = generation;
    frame.width = GST_VIDEO_FRAME_WIDTH(&picture->frame);
    frame.height = GST_VIDEO_FRAME_HEIGHT(&picture->frame);
    frame.stride = GST_VIDEO_FRAME_PLANE_STRIDE(&picture->frame, 0);
    const auto* data = static_cast<const uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&picture->frame, 0));
    frame.pixels = std::shared_ptr<const uint8_t>(
        data, [owner = picture.release()](const uint8_t*) { delete owner; });
    std::lock_guard lock(route->mutex);
    if (route->sink != nullptr) route->sink->PresentFrame(std::move(frame));
  }

  static GstFlowReturn OnPreroll(GstAppSink* sink, gpointer self) {
    static_cast<Pipeline*>(self)->Deliver(gst_app_sink_pull_preroll(sink));
    return GST_FLOW_OK;
  }

  static GstFlowReturn OnSample(GstAppSink* sink, gpointer self) {
    static_cast<Pipeline*>(self)->Deliver(gst_app_sink_pull_sample(sink));
    return GST_FLOW_OK;
  }

  // Runs on whichever thread posts; every message is dropped after reading, so the bus never
  // fills up although nobody pops it.
  static GstBusSyncReply OnBusMessage(GstBus*, GstMessage* message, gpointer self) {
    auto* pipeline = static_cast<Pipeline*>(self);
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
      pipeline->events->Post({MediaEvent::Kind::kEndOfStream, pipeline->generation, kMediaOk, {}});
    } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
      GError* error = nullptr;
      gst_message_parse_error(message, &error, nullptr);
      pipeline->events->Post({MediaEvent::Kind::kError, pipeline->generation, CodeOfError(error),
                              error->message != nullptr ? error->message : ""});
      g_error_free(error);
    }
    return GST_BUS_DROP;
  }
};

GstMediaGraph::GstMediaGraph(FrameSink* sink, GstMediaGraphOptions options) : options_(options) {
  route_.sink = sink;
}

// The sink may already be gone here: the pipeline is torn down without touching it.
GstMediaGraph::~GstMediaGraph() { pipeline_.reset(); }

void GstMediaGraph::SetFrameSink(FrameSink* sink) {
  std::lock_guard lock(route_.mutex);
  route_.sink = sink;
}

MediaResult GstMediaGraph::Open(const std::string& path) {
  Close();
  ++generation_;
  events_.BeginGeneration(generation_);
  {
    std::lock_guard lock(route_.mutex);
    if (route_.sink != nullptr) route_.sink->Reset(generation_);
  }
  playState_ = PlayState::kStopped;
  timeFormat_ = TimeFormat::kMediaTime;
  rate_ = 1.0;
  stepped_ = false;
  seekPending_ = false;

  GstRef<GstElement> playbin(gst_element_factory_make("playbin", nullptr));
  GstRef<GstElement> appsink(gst_element_factory_make("appsink", nullptr));
  GstRef<GstElement> fakesink(gst_element_factory_make("fakesink", nullptr));
  if (playbin.object == nullptr || appsink.object == nullptr) return {kMediaElementMissing};
  const MediaResult created{fakesink.object != nullptr ? kMediaOk : kMediaElementMissing};

  // The system's sound output; the fake sink when forced or when no audio device opens.
  GstRef<GstElement> audioSink(
      FakeAudioForced(options_) ? nullptr : gst_element_factory_make("autoaudiosink", nullptr));
  if (audioSink.object != nullptr &&
      gst_element_set_state(audioSink.object, GST_STATE_READY) == GST_STATE_CHANGE_FAILURE) {
    gst_element_set_state(audioSink.object, GST_STATE_NULL);
    gst_object_unref(std::exchange(audioSink.object, nullptr));
  }
  GstElement* chosenAudio = audioSink.object != nullptr ? audioSink.object : fakesink.object;
  if (chosenAudio == fakesink.object && fakesink.object != nullptr) {
    g_object_set(fakesink.object, "sync", TRUE, nullptr);
  }

  GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx");
  g_object_set(appsink.object, "caps", caps, "sync", TRUE, "qos", TRUE, "max-buffers", 2u,
               "enable-last-sample", TRUE, nullptr);
  gst_caps_unref(caps);

  auto pipeline = std::make_unique<Pipeline>();
  pipeline->playbin = GST_ELEMENT(gst_object_ref(playbin.object));
  pipeline->appsink = appsink.object;
  pipeline->generation = generation_;
  pipeline->route = &route_;
  pipeline->events = &events_;

  GstAppSinkCallbacks callbacks{};
  callbacks.new_preroll = &Pipeline::OnPreroll;
  callbacks.new_sample = &Pipeline::OnSample;
  gst_app_sink_set_callbacks(GST_APP_SINK(appsink.object), &callbacks, pipeline.get(), nullptr);

  GstBus* bus = gst_element_get_bus(playbin.object);
  gst_bus_set_sync_handler(bus, &Pipeline::OnBusMessage, pipeline.get(), nullptr);
  gst_object_unref(bus);

  gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
  g_object_set(playbin.object, "uri", uri != nullptr ? uri : "", "video-sink", appsink.object,
               "flags", kPlayFlagVideo | kPlayFlagAudio, nullptr);
  if (chosenAudio != nullptr) g_object_set(playbin.object, "audio-sink", chosenAudio, nullptr);
  g_free(uri);

  pipeline_ = std::move(pipeline);
  gst_element_set_state(pipeline_->playbin, GST_STATE_PAUSED);
  WaitForPreroll(kPrerollLimit);
  return created;
}

void GstMediaGraph::Close() {
  if (!pipeline_) return;
  pipeline_.reset();
  playState_ = PlayState::kStopped;
  std::lock_guard lock(route_.mutex);
  if (route_.sink != nullptr) route_.sink->Reset(0);
}

bool GstMediaGraph::IsOpen() const { return pipeline_ != nullptr; }

uint64_t GstMediaGraph::Generation() const { return generation_; }

MediaResult GstMediaGraph::SetPipelineState(int state) {
  if (!pipeline_) return {kMediaNotOpen};
  if (gst_element_set_state(pipeline_->playbin, static_cast<GstState>(state)) ==
      GST_STATE_CHANGE_FAILURE) {
    const MediaCode failure = events_.FailureCode();
    return {failure != kMediaOk ? failure : kMediaStateFailed};
  }
  return {};
}

bool GstMediaGraph::WaitForPreroll(milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (events_.FailureCode() == kMediaOk) {
    const auto left = deadline - std::chrono::steady_clock::now();
    if (left <= milliseconds::zero()) return false;
    const auto slice = std::min<std::chrono::nanoseconds>(left, kErrorPollSlice);
    const GstStateChangeReturn result =
        gst_element_get_state(pipeline_->playbin, nullptr, nullptr, slice.count());
    if (result == GST_STATE_CHANGE_SUCCESS || result == GST_STATE_CHANGE_NO_PREROLL) return true;
    if (result == GST_STATE_CHANGE_FAILURE) {
      // The refusal can overtake the error message that tells why: give it a moment to arrive.
      events_.WaitForEndOrFailure(kErrorArrivalLimit);
      return false;
    }
  }
  return false;
}

MediaResult GstMediaGraph::Run() {
  if (!pipeline_) return {kMediaNotOpen};
  if (stepped_) {
    // Stepping moved only the picture: a seek to where it stands brings the sound along.
    const MediaValue<int64_t> position = PipelinePositionNs();
    if (position.ok()) SeekNs(position.value, rate_);
  }
  const MediaResult result = SetPipelineState(GST_STATE_PLAYING);
  if (result.ok()) playState_ = PlayState::kRunning;
  return result;
}

MediaResult GstMediaGraph::Pause() {
  const MediaResult result = SetPipelineState(GST_STATE_PAUSED);
  if (result.ok()) playState_ = PlayState::kPaused;
  return result;
}

MediaResult GstMediaGraph::Stop() {
  const MediaResult result = SetPipelineState(GST_STATE_PAUSED);
  if (result.ok()) playState_ = PlayState::kStopped;
  return result;
}

MediaResult GstMediaGraph::StopWhenReady() {
  const MediaResult result = SetPipelineState(GST_STATE_PAUSED);
  if (!result.ok()) return result;
  playState_ = PlayState::kStopped;
  return {WaitForPreroll(kSettleLimit) ? kMediaOk : kMediaNotReady};
}

MediaValue<FrameRate> GstMediaGraph::StreamFrameRate() {
  if (!pipeline_) return MediaValue<FrameRate>::Failure(kMediaNotOpen);
  const std::optional<GstVideoInfo> info = NegotiatedVideo(pipeline_->appsink);
  if (!info) return MediaValue<FrameRate>::Failure(kMediaNoPicture);
  const FrameRate rate{info->fps_n, info->fps_d};
  if (!rate.valid()) return MediaValue<FrameRate>::Failure(kMediaNoFrameRate);
  return MediaValue<FrameRate>::Success(rate);
}

MediaValue<int64_t> GstMediaGraph::ToNanoseconds(int64_t position) {
  if (timeFormat_ == TimeFormat::kMediaTime) {
    return MediaValue<int64_t>::Success(NanosecondsFromMediaTime(position));
  }
  const MediaValue<FrameRate> rate = StreamFrameRate();
  if (!rate.ok()) return MediaValue<int64_t>::Failure(rate.code);
  return MediaValue<int64_t>::Success(NanosecondsFromFrame(position, rate.value));
}

MediaValue<int64_t> GstMediaGraph::FromNanoseconds(int64_t ns) {
  if (timeFormat_ == TimeFormat::kMediaTime) {
    return MediaValue<int64_t>::Success(MediaTimeFromNanoseconds(ns));
  }
  const MediaValue<FrameRate> rate = StreamFrameRate();
  if (!rate.ok()) return MediaValue<int64_t>::Failure(rate.code);
  return MediaValue<int64_t>::Success(FrameFromNanoseconds(ns, rate.value));
}

MediaResult GstMediaGraph::SetTimeFormat(TimeFormat format) {
  if (!pipeline_) return {kMediaNotOpen};
  if (format == TimeFormat::kFrame) {
    const MediaValue<FrameRate> rate = StreamFrameRate();
    if (!rate.ok()) return {rate.code};
  }
  timeFormat_ = format;
  return {};
}

MediaValue<int64_t> GstMediaGraph::Duration() {
  if (!pipeline_) return MediaValue<int64_t>::Failure(kMediaNotOpen);
  if (const MediaCode failure = events_.FailureCode(); failure != kMediaOk) {
    return MediaValue<int64_t>::Failure(failure);
  }
  if (!pipeline_->durationNs) {
    gint64 ns = 0;
    if (!gst_element_query_duration(pipeline_->playbin, GST_FORMAT_TIME, &ns) || ns < 0) {
      return MediaValue<int64_t>::Failure(kMediaQueryFailed);
    }
    pipeline_->durationNs = ns;
  }
  return FromNanoseconds(*pipeline_->durationNs);
}

MediaValue<int64_t> GstMediaGraph::PipelinePositionNs() {
  if (seekPending_) {
    if (gst_element_get_state(pipeline_->playbin, nullptr, nullptr, 0) == GST_STATE_CHANGE_ASYNC) {
      return MediaValue<int64_t>::Success(seekTargetNs_);
    }
    seekPending_ = false;
  }
  gint64 ns = 0;
  if (!gst_element_query_position(pipeline_->playbin, GST_FORMAT_TIME, &ns)) {
    const MediaCode failure = events_.FailureCode();
    return MediaValue<int64_t>::Failure(failure != kMediaOk ? failure : kMediaQueryFailed);
  }
  return MediaValue<int64_t>::Success(std::max<int64_t>(ns, 0));
}

MediaValue<int64_t> GstMediaGraph::CurrentPosition() {
  if (!pipeline_) return MediaValue<int64_t>::Failure(kMediaNotOpen);
  const MediaValue<int64_t> ns = PipelinePositionNs();
  if (!ns.ok()) return ns;
  return FromNanoseconds(ns.value);
}

MediaResult GstMediaGraph::SeekNs(int64_t ns, double rate) {
  const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
  if (!gst_element_seek(pipeline_->playbin, rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, ns,
                        GST_SEEK_TYPE_NONE, GST_CLOCK_TIME_NONE)) {
    return {kMediaEventRefused};
  }
  seekPending_ = true;
  seekTargetNs_ = ns;
  stepped_ = false;
  events_.ClearEnd();
  return {};
}

MediaResult GstMediaGraph::SeekTo(int64_t position) {
  if (!pipeline_) return {kMediaNotOpen};
  const MediaValue<int64_t> ns = ToNanoseconds(std::max<int64_t>(position, 0));
  if (!ns.ok()) return {ns.code};
  return SeekNs(ns.value, rate_);
}

MediaResult GstMediaGraph::SetRate(double rate) {
  if (!pipeline_) return {kMediaNotOpen};
  if (rate <= 0.0) return {kMediaEventRefused};
  if (rate == rate_) return {};
  rate_ = rate;
  // A rate takes effect with a seek; without a position it waits for the next one.
  const MediaValue<int64_t> position = PipelinePositionNs();
  return position.ok() ? SeekNs(position.value, rate_) : MediaResult{};
}

MediaResult GstMediaGraph::StepOneFrame() {
  if (!pipeline_) return {kMediaNotOpen};
  if (playState_ == PlayState::kRunning) {
    const MediaResult paused = Pause();
    if (!paused.ok()) return paused;
  }
  if (!WaitForPreroll(kSettleLimit)) return {kMediaNotReady};
  if (!gst_element_send_event(pipeline_->playbin,
                              gst_event_new_step(GST_FORMAT_BUFFERS, 1, rate_, TRUE, FALSE))) {
    return {kMediaEventRefused};
  }
  seekPending_ = false;
  stepped_ = true;
  return {};
}

MediaValue<PictureSize> GstMediaGraph::VideoSize() {
  if (!pipeline_) return MediaValue<PictureSize>::Failure(kMediaNotOpen);
  const std::optional<GstVideoInfo> info = NegotiatedVideo(pipeline_->appsink);
  if (!info) {
    const MediaCode failure = events_.FailureCode();
    return MediaValue<PictureSize>::Failure(failure != kMediaOk ? failure : kMediaNoPicture);
  }
  return MediaValue<PictureSize>::Success({info->width, info->height});
}

MediaValue<std::vector<uint8_t>> GstMediaGraph::CurrentImage() {
  using Result = MediaValue<std::vector<uint8_t>>;
  if (!pipeline_) return Result::Failure(kMediaNotOpen);
  GstSample* sample = gst_base_sink_get_last_sample(GST_BASE_SINK(pipeline_->appsink));
  if (sample == nullptr) return Result::Failure(kMediaNoPicture);
  const std::unique_ptr<MappedPicture> picture = MapPicture(sample);
  if (!picture) return Result::Failure(kMediaNoPicture);
  const GstVideoFrame& frame = picture->frame;
  return Result::Success(
      PackDibFromBgrx(static_cast<const uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0)),
                      GST_VIDEO_FRAME_WIDTH(&frame), GST_VIDEO_FRAME_HEIGHT(&frame),
                      GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0)));
}

Completion GstMediaGraph::WaitForCompletion(milliseconds limit) {
  if (!pipeline_) return Completion::kNotRunning;
  if (events_.EndReached()) return Completion::kCompleted;
  if (events_.FailureCode() != kMediaOk) return Completion::kFailed;
  if (playState_ != PlayState::kRunning) return Completion::kNotRunning;
  if (!events_.WaitForEndOrFailure(limit)) return Completion::kTimedOut;
  return events_.EndReached() ? Completion::kCompleted : Completion::kFailed;
}

std::vector<MediaEvent> GstMediaGraph::PollEvents() { return events_.Drain(); }

}  // namespace halvo
