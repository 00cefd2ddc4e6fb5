// halvo-make-clip: writes recorder-style AVI clips with real, decodable pictures
// for the player's tests.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>

#include "avi_writer.h"
#include "jpeg_frames.h"
#include "mpeg4_frames.h"

namespace {

// "FROM:TO" with FROM <= TO.
bool ParseMotion(const std::string& text, halvo::ClipOptions& options) {
  int from = 0;
  int to = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%d:%d%c", &from, &to, &tail) != 2 || from < 0 || to < from) {
    return false;
  }
  options.motionFrom = from;
  options.motionTo = to;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  halvo::ClipOptions options;
  std::string output;
  std::string kind = "mjpeg";
  std::string motion;
  std::string recordName = *options.recordName;
  bool noRecordName = false;

  CLI::App app{
      "Writes a recorder-style AVI clip: RIFF AVI, video stream first (MJPG with \"00db\" "
      "records, or MPEG-4 'FMP4' with \"00dc\" records flagged 0x10 on key frames), optional "
      "8 kHz PCM audio (\"01wb\"), the \"REC\\\" record name within the first 1024 bytes, "
      "movi and the idx1 index. The scene is still except for a checkerboard object that "
      "crosses it during --motion.",
      "halvo-make-clip"};
  app.add_option("output", output, "Clip file to write")->required();
  app.add_option("--frames", options.frames, "Number of video frames")
      ->default_val(options.frames)
      ->check(CLI::Range(1, 1000000));
  app.add_option("--scale", options.scale, "Video stream time scale (frame rate = rate/scale)")
      ->default_val(options.scale)
      ->check(CLI::Range(1u, 1000000u));
  app.add_option("--rate", options.rate, "Video stream rate")
      ->default_val(options.rate)
      ->check(CLI::Range(1u, 1000000u));
  app.add_option("--width", options.width, "Picture width in pixels")
      ->default_val(options.width)
      ->check(CLI::Range(8, 4096));
  app.add_option("--height", options.height, "Picture height in pixels")
      ->default_val(options.height)
      ->check(CLI::Range(8, 4096));
  app.add_option("--kind", kind, "Video kind: mjpeg (per-frame index) or mpeg4 (key-frame index)")
      ->default_val(kind)
      ->check(CLI::IsMember({"mjpeg", "mpeg4"}));
  app.add_option("--keyframe-every", options.keyframeEvery, "mpeg4: a key frame every N frames")
      ->default_val(options.keyframeEvery)
      ->check(CLI::Range(1, 100000));
  app.add_flag("--audio", options.audio, "Add an 8 kHz mono PCM stream (\"01wb\" records)");
  app.add_option("--record-name", recordName, "Up to 28 bytes written after \"REC\\\" (NUL padded)")
      ->default_val(recordName);
  app.add_flag("--no-record-name", noRecordName, "Write no \"REC\\\" marker at all");
  app.add_option("--motion", motion,
                 "FROM:TO frames during which the object moves across the scene; it is absent "
                 "outside them (default: no object, the scene is still throughout)");
  app.add_option("--movi-at", options.moviAt,
                 "Pad with a JUNK chunk so that the \"movi\" code starts at this file offset "
                 "(e.g. 1024); an odd offset gives a layout only the scanner follows");
  app.add_flag("--extra-markers", options.extraMarkers,
               "Add a decoy \"REC\\\" name before the real one and a second \"vids\" header stub "
               "(same scale and rate) after the real one");
  app.add_option("--truncate", options.truncate, "Cut this many bytes off the end of the file");
  CLI11_PARSE(app, argc, argv);

  options.kind = kind == "mpeg4" ? halvo::VideoKind::Mpeg4 : halvo::VideoKind::Mjpeg;
  if (noRecordName) {
    options.recordName.reset();
  } else {
    if (recordName.size() > 28) {
      std::fprintf(stderr, "--record-name holds at most 28 bytes\n");
      return 1;
    }
    options.recordName = recordName;
  }
  if (!motion.empty() && !ParseMotion(motion, options)) {
    std::fprintf(stderr, "--motion expects FROM:TO with 0 <= FROM <= TO\n");
    return 1;
  }
  if (options.kind == halvo::VideoKind::Mpeg4 && (options.width % 2 || options.height % 2)) {
    std::fprintf(stderr, "mpeg4 needs an even width and height\n");
    return 1;
  }

  try {
    const auto frames = options.kind == halvo::VideoKind::Mjpeg ? halvo::MakeJpegFrames(options)
                                                                : halvo::MakeMpeg4Frames(options);
    halvo::WriteAviClip(output, options, frames);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "halvo-make-clip: %s\n", e.what());
    return 1;
  }
  return 0;
}
