#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "tests/support/LinkTestSupport.h"
#include "serial/LinkTexts.h"
#include "meter/MeterLink.h"

namespace velmora {
namespace {

using testing::FakeHost;
using testing::ScriptedPort;
using Bytes = std::vector<uint8_t>;

using namespace std::chrono_literals;

// A link over a scripted port whose polls take no time at all, with a short
// reply timeout.
struct Protocol {
    Protocol() : link(port, host, LinkSettings{0us, 20ms}) {
        link.SetPortName("COM3");
        host.flags.runFlag = 1;
    }
    // The meter answers every frame with `reply`.
    void AnswerFrames(Bytes reply) {
        port.onWrite = [this, reply](const uint8_t*, std::size_t) { port.Feed(reply); };
    }
    FakeHost host;
    ScriptedPort port;
    MeterLink link;
};

// ---- frames sent ----

TEST(SendFrame, AppendsTheAdditiveChecksum) {
    Protocol p;
    p.AnswerFrames({FRAME_ACCEPTED});
    uint8_t frame[4] = {0x01, 0x02, 0x03};
    EXPECT_TRUE(p.link.SendFrame(frame, 3));
    EXPECT_EQ(p.port.written, (Bytes{0x01, 0x02, 0x03, 0x06}));

    p.port.written.clear();
    uint8_t wraps[3] = {0xFF, 0xFF};  // 0x1FE
    EXPECT_TRUE(p.link.SendFrame(wraps, 2));
    EXPECT_EQ(p.port.written, (Bytes{0xFF, 0xFF, 0xFE}));
}

TEST(SendFrame, AnythingButAcceptedIsARefusalWithoutFurtherWaiting) {
    for (uint8_t reply : {FRAME_REFUSED, uint8_t{0x00}, uint8_t{0xCC}}) {
        Protocol p;
        p.AnswerFrames({reply});
        uint8_t frame[2] = {9};
        EXPECT_FALSE(p.link.SendFrame(frame, 1)) << int(reply);
        EXPECT_EQ(p.host.pumps, 0) << int(reply);
        EXPECT_TRUE(p.host.messages.empty());
    }
}

TEST(SendFrame, MissingAcknowledgementTimesOutAfterTheReplyTimeout) {
    Protocol p;
    uint8_t frame[2] = {1};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(p.link.SendFrame(frame, 1));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 20ms);
    EXPECT_EQ(p.host.messages, std::vector<std::string>{TEXT_ASK_TIMEOUT});
}

TEST(SendFrame, StopDuringTheWaitFailsWithoutMessage) {
    Protocol p;
    p.host.stopAfterPumps = 5;
    uint8_t frame[2] = {1};
    EXPECT_FALSE(p.link.SendFrame(frame, 1));
    EXPECT_EQ(p.host.pumps, 5);
    EXPECT_TRUE(p.host.messages.empty());
}

TEST(SendFrame, AckAfterSeveralPollsIsStillInTime) {
    Protocol p;
    // Many polls within the reply timeout, however many there are.
    p.host.onPump = [&] {
        if (p.host.pumps == 50) p.port.Feed({FRAME_ACCEPTED});
    };
    uint8_t frame[2] = {1};
    EXPECT_TRUE(p.link.SendFrame(frame, 1));
    EXPECT_TRUE(p.host.messages.empty());
}

// ---- frames received ----

TEST(ReceiveFrame, GoodFrameIsAcknowledgedAndTakenFromTheRing) {
    Protocol p;
    p.port.Feed({0x10, 0x20, 0x30, 0x60, 0x77});
    uint8_t buffer[4];
    EXPECT_TRUE(p.link.ReceiveFrame(buffer, 3));
    EXPECT_EQ(Bytes(buffer, buffer + 4), (Bytes{0x10, 0x20, 0x30, 0x60}));
    EXPECT_EQ(p.port.written, Bytes{FRAME_ACCEPTED});
    EXPECT_EQ(p.port.ReceivedCount(), 1);  // the next frame's first byte stays
}

TEST(ReceiveFrame, WrongChecksumIsRefusedOnce) {
    Protocol p;
    p.port.Feed({0x10, 0x20, 0x30, 0x61});
    uint8_t buffer[4];
    EXPECT_FALSE(p.link.ReceiveFrame(buffer, 3));
    EXPECT_EQ(p.port.written, Bytes{FRAME_REFUSED});
}

TEST(ReceiveFrame, IncompleteFrameFailsAfterTheReplyTimeoutSendingNothing) {
    Protocol p;
    p.port.Feed({0x10, 0x20});
    uint8_t buffer[4];
    EXPECT_FALSE(p.link.ReceiveFrame(buffer, 3));
    EXPECT_TRUE(p.port.written.empty());
    EXPECT_TRUE(p.host.messages.empty());
    EXPECT_EQ(buffer[3], 0xFF);
}

TEST(ReceiveFrame, FrameCompletedWithinTheLimitIsTaken) {
    Protocol p;
    p.host.onPump = [&] {
        if (p.host.pumps == 50) p.port.Feed({0x01, 0x01});
    };
    uint8_t buffer[2];
    EXPECT_TRUE(p.link.ReceiveFrame(buffer, 1));
}

TEST(ReceiveFrame, StopFailsSendingNothing) {
    Protocol p;
    p.host.stopAfterPumps = 2;
    uint8_t buffer[4];
    EXPECT_FALSE(p.link.ReceiveFrame(buffer, 3));
    EXPECT_EQ(p.host.pumps, 2);
    EXPECT_TRUE(p.port.written.empty());
}

// ---- opening an operation ----

TEST(OpenOperation, SendsBothCommandBytesSeparatelyAndTakesTheAnswer) {
    Protocol p;
    int writes = 0;
    p.port.onWrite = [&](const uint8_t*, std::size_t n) {
        EXPECT_EQ(n, 1u);
        if (++writes == 2) p.port.Feed({METER_READY});  // answers before we even look
    };
    EXPECT_EQ(p.link.OpenOperation(CMD_WRITE_TABLES), CommandAnswer::Ready);
    EXPECT_EQ(p.port.written, (Bytes{0x5A, 0xA5}));
    EXPECT_EQ(p.port.ReceivedCount(), 0);
}

TEST(OpenOperation, StaleBytesBeforeTheCommandAreForgotten) {
    Protocol p;
    p.port.Feed({METER_READY, 0x00});
    EXPECT_EQ(p.link.OpenOperation(CMD_WRITE_LOGO), CommandAnswer::TimedOut);
    EXPECT_TRUE(p.host.messages.empty());
}

TEST(OpenOperation, StopWhileWaitingForTheAnswer) {
    Protocol p;
    p.host.stopAfterPumps = 3;
    EXPECT_EQ(p.link.OpenOperation(CMD_WRITE_ICON), CommandAnswer::Stopped);
    EXPECT_EQ(p.host.pumps, 3);
}

TEST(OpenOperation, ReadTablesWaitsWithoutLimitThenSendsGo) {
    Protocol p;
    p.host.onPump = [&] {
        if (p.host.pumps == 5000) p.port.Feed({METER_READY_TO_SEND, 0x42});
    };
    EXPECT_EQ(p.link.OpenOperation(CMD_READ_TABLES), CommandAnswer::Ready);
    EXPECT_EQ(p.port.written, (Bytes{0xA5, 0x5B, PC_GO}));
    // The answer byte was consumed, the first frame byte was not.
    EXPECT_EQ(p.port.ReceivedCount(), 1);
    EXPECT_EQ(p.port.PopReceived(), 0x42);
}

// A meter that stays silent gets one notice after the set delay, naming the
// port as the user knows it and how this host gives up; the wait goes on.
TEST(OpenOperation, LongSilenceIsExplainedOnceWhileTheWaitGoesOn) {
    const std::string why = " yet: is it switched on and connected to this port? ";
    const struct {
        const char* port;
        bool window;
        std::string notice;
    } cases[] = {
        {.port = "COM3",
         .window = true,
         .notice = "No answer from the meter on COM3 (/dev/ttyFAKE3)" + why +
                   "Press Stop to give up."},
        {.port = "/dev/ttyUSB7",
         .window = false,
         .notice = "No answer from the meter on /dev/ttyUSB7" + why + "Press Ctrl+C to give up."},
    };
    ::setenv("VELMORA_COM3", "/dev/ttyFAKE3", 1);
    for (const auto& c : cases) {
        Protocol p;
        p.link.SetPortName(c.port);
        p.link.Settings().noAnswerNotice = std::chrono::milliseconds(10);
        p.host.hasWindow = c.window;
        const auto start = std::chrono::steady_clock::now();
        auto noticeAfter = std::chrono::steady_clock::duration::max();
        int pumpsAfterNotice = 0;
        p.host.onPump = [&] {
            // A notice that never comes fails the test instead of hanging it.
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(5))
                p.host.flags.runFlag = 0;
            if (p.host.LastStatus() != c.notice) return;
            if (pumpsAfterNotice++ == 0) noticeAfter = std::chrono::steady_clock::now() - start;
            if (pumpsAfterNotice == 2000) p.host.flags.runFlag = 0;
        };
        EXPECT_EQ(p.link.OpenOperation(CMD_READ_TABLES), CommandAnswer::Stopped) << c.port;
        EXPECT_EQ(p.host.statuses, std::vector<std::string>{c.notice});
        EXPECT_GE(noticeAfter, std::chrono::milliseconds(10)) << c.port;
        EXPECT_TRUE(p.host.messages.empty());
    }
    ::unsetenv("VELMORA_COM3");
}

TEST(OpenOperation, DeleteIconsLeavesTheAnswerInTheRing) {
    Protocol p;
    p.port.onWrite = [&](const uint8_t* d, std::size_t) {
        if (d[0] == 0x6C) p.port.Feed({METER_READY});
    };
    EXPECT_EQ(p.link.OpenOperation(CMD_DELETE_ICONS), CommandAnswer::Ready);
    EXPECT_EQ(p.port.written, (Bytes{0x93, 0x6C}));
    EXPECT_EQ(p.port.ReceivedCount(), 1);
}

// ---- link and operation frame ----

TEST(OpenLink, FailureShowsConnectFail) {
    Protocol p;
    p.port.openOk = false;
    EXPECT_FALSE(p.link.OpenLink());
    EXPECT_EQ(p.host.messages, std::vector<std::string>{TEXT_CONNECT_FAIL});
}

TEST(OpenLink, EmptySelectorIsAConnectFailure) {
    Protocol p;
    p.link.SetPortName("");
    EXPECT_FALSE(p.link.OpenLink());
    EXPECT_EQ(p.port.opens, 0);
    EXPECT_EQ(p.host.messages, std::vector<std::string>{TEXT_CONNECT_FAIL});
}

// What the port had to tell comes first.
TEST(OpenLink, PortNoticesPrecedeConnectFail) {
    Protocol p;
    p.port.openOk = false;
    p.port.notices = {TEXT_GET_COMM_STATE_ERROR, TEXT_SET_COMM_STATE_ERROR};
    EXPECT_FALSE(p.link.OpenLink());
    EXPECT_EQ(p.host.messages, (std::vector<std::string>{TEXT_GET_COMM_STATE_ERROR,
                                                         TEXT_SET_COMM_STATE_ERROR,
                                                         TEXT_CONNECT_FAIL}));
}

TEST(OpenLink, OpensTheNamedPortUntilClosed) {
    Protocol p;
    ASSERT_TRUE(p.link.OpenLink());
    EXPECT_EQ(p.port.openedName, "COM3");
    EXPECT_TRUE(p.port.IsOpen());
    p.link.CloseLink();
    EXPECT_FALSE(p.port.IsOpen());
}

TEST(EnterOperation, RefusedWhileBusyWithoutTouchingThePort) {
    Protocol p;
    p.host.flags.busyFlag = 1;
    p.host.flags.runFlag = 0;
    EXPECT_FALSE(p.link.EnterOperation());
    EXPECT_EQ(p.port.opens, 0);
    EXPECT_FALSE(p.host.flags.runFlag);
}

}  // namespace
}  // namespace velmora
