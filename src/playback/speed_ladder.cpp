#include "playback/speed_ladder.h"

namespace halvo {

int32_t NextFasterStep(int32_t speedStep) {
  const int32_t next = speedStep == kHalfSpeed ? kNormalSpeed : speedStep * 2;
  return next > kFastestSpeed ? kNormalSpeed : next;
}

int32_t NextSlowerStep(int32_t speedStep) { return speedStep >= 1 ? speedStep / 2 : kHalfSpeed; }

int64_t FastForwardFrames(std::u16string_view frameRateText, int32_t speedStep) {
  return LeadingInteger(frameRateText) * speedStep / 10;
}

int64_t NextFastForwardFrame(int64_t current, int64_t step, int64_t clipFrames) {
  const int64_t next = current + step;
  return next > clipFrames ? 0 : next;
}

int64_t LeadingInteger(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    if (value > (INT64_MAX - 9) / 10) break;  // keep absurd inputs finite
    value = value * 10 + (text[i] - u'0');
  }
  return negative ? -value : value;
}

}  // namespace halvo
