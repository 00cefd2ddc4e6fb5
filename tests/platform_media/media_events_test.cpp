#include "platform/media/media_events.h"

#include <gtest/gtest.h>

#include <thread>

namespace halvo {
namespace {

using namespace std::chrono_literals;

MediaEvent End(uint64_t generation) { return {MediaEvent::Kind::kEndOfStream, generation, 0, {}}; }
MediaEvent Error(uint64_t generation, MediaCode code) {
  return {MediaEvent::Kind::kError, generation, code, "broken"};
}

TEST(MediaEventQueueTest, OnlyTheCurrentGenerationsMessagesCount) {
  MediaEventQueue queue;
  queue.BeginGeneration(1);
  queue.Post(End(1));
  queue.BeginGeneration(2);  // the next clip: the old end is forgotten
  EXPECT_FALSE(queue.EndReached());
  queue.Post(Error(1, 0x80040004));  // late message of the replaced pipeline
  queue.Post(End(1));
  EXPECT_TRUE(queue.Drain().empty());
  EXPECT_FALSE(queue.EndReached());
  EXPECT_EQ(queue.FailureCode(), kMediaOk);
  EXPECT_FALSE(queue.WaitForEndOrFailure(0ms));

  queue.Post(Error(2, 0x80040007));
  queue.Post(Error(2, 0x80010001));
  EXPECT_EQ(queue.FailureCode(), 0x80040007u);  // the first error is the cause
  const std::vector<MediaEvent> events = queue.Drain();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].code, 0x80040007u);
  EXPECT_TRUE(queue.Drain().empty());
}

TEST(MediaEventQueueTest, EndWakesAWaiterAndASeekClearsIt) {
  MediaEventQueue queue;
  queue.BeginGeneration(7);
  std::thread poster([&] { queue.Post(End(7)); });
  EXPECT_TRUE(queue.WaitForEndOrFailure(10s));
  poster.join();
  EXPECT_TRUE(queue.EndReached());
  queue.ClearEnd();
  EXPECT_FALSE(queue.EndReached());
  EXPECT_FALSE(queue.WaitForEndOrFailure(1ms));
}

TEST(MediaEventQueueTest, ErrorCodesCarryDomainAndCode) {
  EXPECT_EQ(MediaErrorCode(4, 4), 0x80040004u);
  EXPECT_EQ(MediaErrorCode(3, 3), 0x80030003u);
  EXPECT_EQ(MediaErrorCode(0xFF, 0x12345), 0x80FF2345u);
}

}  // namespace
}  // namespace halvo
