#pragma once

#include <memory>
#include <mutex>

#include "platform/media/media_graph.h"
#include "platform/media/media_units.h"
#include "platform/media/video_frame_sink.h"

namespace halvo {

struct GstMediaGraphOptions {
  // Send the sound to a fake sink (tests, machines without sound). Also forced by the
  // environment variable HALVO_FAKE_AUDIO=1.
  bool fakeAudio = false;
};

// MediaGraph on a GStreamer playbin: video decoded to BGRx into an appsink and handed to the
// frame sink, sound to the system's sink (or a fake one when no audio device opens).
// Pipeline messages reach the UI thread through a bus sync handler that tags them with the
// pipeline's generation into a MediaEventQueue; nothing else reads the bus.
class GstMediaGraph final : public MediaGraph {
 public:
  explicit GstMediaGraph(FrameSink* sink = nullptr, GstMediaGraphOptions options = {});
  ~GstMediaGraph() override;
  GstMediaGraph(const GstMediaGraph&) = delete;
  GstMediaGraph& operator=(const GstMediaGraph&) = delete;

  // Any later frame goes to sink (nullptr: none). Once this returns no frame reaches the old
  // sink, so a sink may be destroyed after detaching it.
  void SetFrameSink(FrameSink* sink);

  MediaResult Open(const std::string& path) override;
  void Close() override;
  bool IsOpen() const override;
  uint64_t Generation() const override;

  MediaResult Run() override;
  MediaResult Pause() override;
  MediaResult Stop() override;
  MediaResult StopWhenReady() override;

  MediaResult SetTimeFormat(TimeFormat format) override;
  MediaValue<int64_t> Duration() override;
  MediaValue<int64_t> CurrentPosition() override;
  MediaResult SeekTo(int64_t position) override;
  MediaResult SetRate(double rate) override;
  MediaResult StepOneFrame() override;

  MediaValue<PictureSize> VideoSize() override;
  MediaValue<std::vector<uint8_t>> CurrentImage() override;

  Completion WaitForCompletion(std::chrono::milliseconds limit) override;
  std::vector<MediaEvent> PollEvents() override;

  // Where the frames go; shared with the streaming threads.
  struct FrameRoute {
    std::mutex mutex;
    FrameSink* sink = nullptr;
  };

 private:
  struct Pipeline;
  enum class PlayState { kStopped, kPaused, kRunning };

  MediaResult SetPipelineState(int state);
  bool WaitForPreroll(std::chrono::milliseconds limit);
  MediaValue<FrameRate> StreamFrameRate();
  MediaValue<int64_t> ToNanoseconds(int64_t position);
  MediaValue<int64_t> FromNanoseconds(int64_t ns);
  MediaValue<int64_t> PipelinePositionNs();
  MediaResult SeekNs(int64_t ns, double rate);

  GstMediaGraphOptions options_;
  FrameRoute route_;
  MediaEventQueue events_;
  std::unique_ptr<Pipeline> pipeline_;
  uint64_t generation_ = 0;
  PlayState playState_ = PlayState::kStopped;
  TimeFormat timeFormat_ = TimeFormat::kMediaTime;
  double rate_ = 1.0;
  bool stepped_ = false;      // frames stepped since the last seek: audio needs a resync
  bool seekPending_ = false;  // a seek not yet prerolled: its target is the position
  int64_t seekTargetNs_ = 0;
};

}  // namespace halvo
