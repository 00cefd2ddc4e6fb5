#include "platform/media/media_units.h"

namespace halvo {
namespace {

constexpr int64_t kNanosecondsPerSecond = 1'000'000'000;

// a * b / c for non-negative a and positive b, c, without overflowing while b * c fits.
int64_t MulDiv(int64_t a, int64_t b, int64_t c, bool roundNearest) {
  const int64_t whole = (a / c) * b;
  const int64_t rest = (a % c) * b;
  return whole + (rest + (roundNearest ? c / 2 : 0)) / c;
}

int64_t Signed(int64_t value, bool negative) { return negative ? -value : value; }

}  // namespace

int64_t NanosecondsFromFrame(int64_t frame, FrameRate rate) {
  const bool negative = frame < 0;
  return Signed(MulDiv(negative ? -frame : frame, kNanosecondsPerSecond * rate.denominator,
                       rate.numerator, false),
                negative);
}

int64_t FrameFromNanoseconds(int64_t ns, FrameRate rate) {
  const bool negative = ns < 0;
  return Signed(
      MulDiv(negative ? -ns : ns, rate.numerator, kNanosecondsPerSecond * rate.denominator, true),
      negative);
}

}  // namespace halvo
