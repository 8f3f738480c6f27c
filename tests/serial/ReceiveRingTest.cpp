#include <gtest/gtest.h>

#include <thread>

#include "tests/support/LinkTestSupport.h"
#include "serial/ReceiveRing.h"

namespace velmora {
namespace {

// ---- ring rules ----

TEST(ReceiveRing, PopOnEmptyReturnsZeroAndConsumesNothing) {
    ReceiveRing ring;
    EXPECT_EQ(ring.Pop(), 0);
    EXPECT_EQ(ring.Count(), 0);
    ASSERT_TRUE(ring.Append(7));
    EXPECT_EQ(ring.Pop(), 7);
    EXPECT_EQ(ring.Pop(), 0);
    EXPECT_EQ(ring.Count(), 0);
}

TEST(ReceiveRing, HoldsAtMost513BytesAndDropsTheRest) {
    ReceiveRing ring;
    ring.Append(1);
    ring.Reset();
    EXPECT_EQ(ring.Count(), 0);
    for (int i = 0; i < 513; ++i) ASSERT_TRUE(ring.Append(static_cast<uint8_t>(i))) << i;
    EXPECT_EQ(ring.Count(), 513);
    EXPECT_FALSE(ring.Append(0xEE));
    EXPECT_EQ(ring.Count(), 513);
    // The dropped byte never shows up; the first 513 come out in order.
    for (int i = 0; i < 513; ++i) ASSERT_EQ(ring.Pop(), static_cast<uint8_t>(i));
    EXPECT_EQ(ring.Count(), 0);
}

TEST(ReceiveRing, IndicesWrapInOrder) {
    ReceiveRing ring;
    int next = 0;
    for (int sent = 0; sent < 600; sent += 12) {
        for (int i = 0; i < 12; ++i) ASSERT_TRUE(ring.Append(static_cast<uint8_t>(sent + i)));
        EXPECT_EQ(ring.Count(), 12);
        for (int i = 0; i < 12; ++i) ASSERT_EQ(ring.Pop(), static_cast<uint8_t>(next++));
    }
}

TEST(ReceiveRing, ResetEmptiesAFullRing) {
    ReceiveRing ring;
    for (int i = 0; i < 600; ++i) ring.Append(static_cast<uint8_t>(i));
    ring.Reset();
    EXPECT_EQ(ring.Count(), 0);
    EXPECT_TRUE(ring.Append(42));
    EXPECT_EQ(ring.Pop(), 42);
}

TEST(ReceiveRing, ProducerThreadAndConsumerSeeEveryByteInOrder) {
    ReceiveRing ring;
    constexpr int kBytes = 200000;
    std::thread producer([&] {
        for (int i = 0; i < kBytes; ++i)
            while (!ring.Append(static_cast<uint8_t>(i * 7))) std::this_thread::yield();
    });
    for (int i = 0; i < kBytes; ++i) {
        while (ring.Count() == 0) std::this_thread::yield();
        ASSERT_EQ(ring.Pop(), static_cast<uint8_t>(i * 7)) << i;
    }
    producer.join();
}

// ---- reply latch and wake-up ----

TEST(LinkPortDelivery, LatchesTheFirstByteOfEachBatchAfterQueueingIt) {
    testing::ScriptedPort port;
    port.Feed({0xCC, 0x01, 0x02});
    EXPECT_EQ(port.replyByte.load(), 0xCC);
    EXPECT_EQ(port.replyArrived.load(), 1);
    EXPECT_EQ(port.ReceivedCount(), 3);
    port.Feed({0xAA});
    EXPECT_EQ(port.replyByte.load(), 0xAA);
    EXPECT_EQ(port.ReceivedCount(), 4);
}

TEST(LinkPortDelivery, WaiterWakesWhenBytesArriveNotAtItsTimeout) {
    testing::ScriptedPort port;
    std::thread feeder([&] { port.Feed({1, 2, 3}); });
    // A one-hour limit: only the arrival can end this wait.
    bool ready = port.WaitForData([&] { return port.ReceivedCount() >= 3; }, std::chrono::hours(1));
    feeder.join();
    EXPECT_TRUE(ready);
}

TEST(LinkPortDelivery, WaitWithoutDataReturnsFalseAfterTheTimeout) {
    testing::ScriptedPort port;
    EXPECT_FALSE(port.WaitForData([&] { return port.ReceivedCount() > 0; },
                                  std::chrono::microseconds(100)));
    // Also while the awaited bytes are due: watching never outlasts the limit.
    port.ExpectBytes(0);
    EXPECT_FALSE(port.WaitForData([&] { return port.ReceivedCount() > 0; },
                                  std::chrono::microseconds(100)));
}

TEST(LinkPortDelivery, ExpectedBytesAreTakenWhenTheyComeNotWhenTheyWereDue) {
    testing::ScriptedPort port;
    auto ready = [&] { return port.ReceivedCount() >= 2; };
    // Due in about ten seconds at the meter's line speed, here after a moment.
    port.ExpectBytes(100'000);
    auto start = std::chrono::steady_clock::now();
    std::thread early([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        port.Feed({1, 2});
    });
    EXPECT_TRUE(port.WaitForData(ready, std::chrono::hours(1)));
    early.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    // Due now: the wait looks without sleeping and still sees the bytes.
    port.ExpectBytes(1);
    std::thread onTime([&] { port.Feed({3, 4}); });
    EXPECT_TRUE(port.WaitForData([&] { return port.ReceivedCount() >= 4; }, std::chrono::hours(1)));
    onTime.join();
}

// A receiver reads the likely answer whole; a guess too large stalls it
// until the line pauses, so only a run of equal frames makes it guess big.
TEST(LinkPortDelivery, LikelyAnswerSizeFollowsRunsOfEqualFrames) {
    struct Case {
        std::vector<int> expected;
        int likely;
    } cases[] = {
        {{}, 1},
        {{13}, 1},
        {{13, 13}, 13},
        {{13, 13, 5}, 1},     // a count frame after the LNB frames
        {{1, 1, 257}, 1},     // the bootloader's answer after its acknowledgements
        {{257, 1}, 1},
        {{21, 21, 21}, 21},
        {{0, 0}, 1},
    };
    for (const Case& c : cases) {
        testing::ScriptedPort port;
        for (int count : c.expected) port.ExpectBytes(count);
        EXPECT_EQ(port.LikelyAnswerSize(), c.likely) << ::testing::PrintToString(c.expected);
    }
}

}  // namespace
}  // namespace velmora
