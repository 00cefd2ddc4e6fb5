#include "avi_writer.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace halvo {

namespace {

constexpr uint32_t kAudioRate = 8000;
constexpr uint32_t kAudioBlockAlign = 2;  // mono, 16 bit
constexpr uint32_t kIndexKeyFrame = 0x10;
constexpr uint32_t kAviHasIndex = 0x10;
constexpr uint32_t kAviInterleaved = 0x100;

// Little-endian byte builder for the headers.
class Bytes {
 public:
  // Headers are small; one allocation up front also keeps GCC's overflow
  // analysis from misreading the growth of an empty vector.
  Bytes() { data_.reserve(256); }
  Bytes& Append(const void* bytes, size_t count) {
    const size_t at = data_.size();
    data_.resize(at + count);
    if (count > 0) std::memcpy(data_.data() + at, bytes, count);
    return *this;
  }
  Bytes& U32(uint32_t v) {
    const uint8_t le[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                           static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    return Append(le, 4);
  }
  Bytes& U16(uint16_t v) {
    const uint8_t le[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    return Append(le, 2);
  }
  // A four-character code such as "movi".
  Bytes& Code(const char* code) { return Append(code, 4); }
  Bytes& Raw(const std::vector<uint8_t>& bytes) { return Append(bytes.data(), bytes.size()); }
  Bytes& Zeros(size_t count) {
    data_.resize(data_.size() + count, 0);
    return *this;
  }
  Bytes& Chunk(const char* id, const Bytes& body) {
    Code(id).U32(static_cast<uint32_t>(body.size())).Raw(body.data_);
    if (body.size() % 2) Zeros(1);
    return *this;
  }
  Bytes& List(const char* type, const Bytes& body) {
    Code("LIST").U32(static_cast<uint32_t>(body.size() + 4)).Code(type).Raw(body.data_);
    return *this;
  }
  size_t size() const { return data_.size(); }
  const std::vector<uint8_t>& data() const { return data_; }

 private:
  std::vector<uint8_t> data_;
};

// Audio samples that belong to frame f, spread so the total never drifts.
uint32_t AudioSamplesForFrame(const ClipOptions& o, int f) {
  auto until = [&](uint64_t frame) { return frame * kAudioRate * o.scale / o.rate; };
  return static_cast<uint32_t>(until(f + 1) - until(f));
}

struct MoviChunk {
  const char* id;
  uint32_t flags;
  const Payload* data;  // nullptr: audio silence of `size` bytes
  uint32_t size;
};

std::vector<MoviChunk> MoviChunks(const ClipOptions& o, const std::vector<EncodedFrame>& frames) {
  const char* videoId = o.kind == VideoKind::Mjpeg ? "00db" : "00dc";
  std::vector<MoviChunk> chunks;
  for (size_t f = 0; f < frames.size(); ++f) {
    const Payload& p = *frames[f].data;
    chunks.push_back(
        {videoId, frames[f].key ? kIndexKeyFrame : 0, &p, static_cast<uint32_t>(p.size())});
    if (o.audio) {
      chunks.push_back({"01wb", kIndexKeyFrame, nullptr,
                        AudioSamplesForFrame(o, static_cast<int>(f)) * kAudioBlockAlign});
    }
  }
  return chunks;
}

Bytes VideoStreamList(const ClipOptions& o, uint32_t frameCount, uint32_t largest) {
  const bool mjpeg = o.kind == VideoKind::Mjpeg;
  Bytes strh;
  strh.Code("vids");
  mjpeg ? strh.Code("MJPG") : strh.Code("FMP4");
  strh.U32(0).U16(0).U16(0).U32(0).U32(o.scale).U32(o.rate).U32(0).U32(frameCount);
  strh.U32(largest).U32(0xFFFFFFFF).U32(0);
  strh.U16(0).U16(0).U16(static_cast<uint16_t>(o.width)).U16(static_cast<uint16_t>(o.height));
  Bytes strf;
  strf.U32(40).U32(static_cast<uint32_t>(o.width)).U32(static_cast<uint32_t>(o.height));
  strf.U16(1).U16(24);
  mjpeg ? strf.Code("MJPG") : strf.Code("FMP4");
  strf.U32(static_cast<uint32_t>(o.width * o.height * 3)).U32(0).U32(0).U32(0).U32(0);
  Bytes body;
  body.Chunk("strh", strh).Chunk("strf", strf);
  return Bytes().List("strl", body);
}

Bytes AudioStreamList(uint32_t totalSamples) {
  Bytes strh;
  strh.Code("auds").U32(0).U32(0).U16(0).U16(0).U32(0);
  strh.U32(kAudioBlockAlign).U32(kAudioRate * kAudioBlockAlign).U32(0).U32(totalSamples);
  strh.U32(kAudioRate * kAudioBlockAlign).U32(0xFFFFFFFF).U32(kAudioBlockAlign);
  strh.U16(0).U16(0).U16(0).U16(0);
  Bytes strf;
  strf.U16(1).U16(1).U32(kAudioRate).U32(kAudioRate * kAudioBlockAlign);
  strf.U16(kAudioBlockAlign).U16(16).U16(0);
  Bytes body;
  body.Chunk("strh", strh).Chunk("strf", strf);
  return Bytes().List("strl", body);
}

std::vector<uint8_t> RecordNameMarker(const std::string& name) {
  std::vector<uint8_t> bytes(4 + 28, 0);
  std::memcpy(bytes.data(), "REC\\", 4);
  std::copy_n(name.begin(), std::min<size_t>(name.size(), 28), bytes.begin() + 4);
  return bytes;
}

// Contents of the JUNK chunk before movi: markers only, padding comes later.
Bytes MarkerContent(const ClipOptions& o) {
  Bytes content;
  if (o.extraMarkers && o.recordName) content.Raw(RecordNameMarker("DECOY\\EARLIER_NAME"));
  if (o.recordName) content.Raw(RecordNameMarker(*o.recordName));
  if (o.extraMarkers) {
    // A second video header stub later than the real one, with the same scale and rate.
    content.Code("vids").Zeros(16).U32(o.scale).U32(o.rate);
  }
  return content;
}

}  // namespace

void WriteAviClip(const std::string& path, const ClipOptions& o,
                  const std::vector<EncodedFrame>& frames) {
  const std::vector<MoviChunk> chunks = MoviChunks(o, frames);
  uint32_t largest = 0;
  uint64_t moviBytes = 4;  // "movi"
  uint32_t totalSamples = 0;
  for (const MoviChunk& c : chunks) {
    largest = std::max(largest, c.size);
    moviBytes += 8 + c.size + (c.size % 2);
    if (!c.data) totalSamples += c.size / kAudioBlockAlign;
  }
  const uint32_t frameCount = static_cast<uint32_t>(frames.size());

  Bytes avih;
  avih.U32(static_cast<uint32_t>(uint64_t{1000000} * o.scale / o.rate));
  avih.U32(static_cast<uint32_t>(moviBytes * o.rate / std::max<uint64_t>(1, frameCount * o.scale)));
  avih.U32(0).U32(kAviHasIndex | kAviInterleaved).U32(frameCount).U32(0);
  avih.U32(o.audio ? 2 : 1).U32(largest);
  avih.U32(static_cast<uint32_t>(o.width)).U32(static_cast<uint32_t>(o.height)).Zeros(16);
  Bytes hdrlBody;
  hdrlBody.Chunk("avih", avih).Raw(VideoStreamList(o, frameCount, largest).data());
  if (o.audio) hdrlBody.Raw(AudioStreamList(totalSamples).data());
  Bytes head;
  head.List("hdrl", hdrlBody);

  // "movi" sits 12 bytes (RIFF header) + head + JUNK + 8 (LIST header) into the file.
  const Bytes markers = MarkerContent(o);
  const uint64_t moviWithoutJunk = 12 + head.size() + 8;
  if (o.moviAt) {
    const uint64_t wanted = *o.moviAt;
    if (wanted == moviWithoutJunk && markers.size() == 0) {
      // No JUNK chunk needed.
    } else if (wanted >= moviWithoutJunk + 8 + markers.size()) {
      // The exact padding may be odd: then the JUNK chunk has no pad byte and
      // only a scanner, not a RIFF reader, will follow the layout.
      const uint64_t junkData = wanted - moviWithoutJunk - 8;
      Bytes junk = markers;
      junk.Zeros(junkData - markers.size());
      head.Code("JUNK").U32(static_cast<uint32_t>(junkData)).Raw(junk.data());
    } else {
      throw std::runtime_error(
          "--movi-at " + std::to_string(wanted) + " is too small; at least " +
          std::to_string(moviWithoutJunk + (markers.size() ? 8 + markers.size() : 0)));
    }
  } else if (markers.size() > 0) {
    head.Chunk("JUNK", markers);
  }

  const uint64_t idxBytes = 16 * chunks.size();
  const uint64_t riffBytes = 4 + head.size() + 8 + moviBytes + 8 + idxBytes;
  if (riffBytes > 0xFFFFFFF0u) throw std::runtime_error("clip larger than 4 GiB");

  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  Bytes prefix;
  prefix.Code("RIFF").U32(static_cast<uint32_t>(riffBytes)).Code("AVI ").Raw(head.data());
  prefix.Code("LIST").U32(static_cast<uint32_t>(moviBytes)).Code("movi");
  out.write(reinterpret_cast<const char*>(prefix.data().data()),
            static_cast<std::streamsize>(prefix.size()));

  Bytes index;
  index.Code("idx1").U32(static_cast<uint32_t>(idxBytes));
  const std::vector<uint8_t> silence(largest + 1, 0);
  uint32_t offset = 4;  // idx1 offsets count from the "movi" code
  for (const MoviChunk& c : chunks) {
    Bytes header;
    header.Code(c.id).U32(c.size);
    out.write(reinterpret_cast<const char*>(header.data().data()), 8);
    const uint8_t* bytes = c.data ? c.data->data() : silence.data();
    out.write(reinterpret_cast<const char*>(bytes), c.size);
    if (c.size % 2) out.put(0);
    index.Code(c.id).U32(c.flags).U32(offset).U32(c.size);
    offset += 8 + c.size + (c.size % 2);
  }
  out.write(reinterpret_cast<const char*>(index.data().data()),
            static_cast<std::streamsize>(index.size()));
  out.close();
  if (!out) throw std::runtime_error("write failed: " + path);

  if (o.truncate > 0) {
    const uint64_t size = std::filesystem::file_size(path);
    std::filesystem::resize_file(path, o.truncate >= size ? 0 : size - o.truncate);
  }
}

}  // namespace halvo
