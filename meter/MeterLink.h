// The meter's command protocol: a two-byte command, a one-byte answer, then
// fixed-length frames of payload plus an additive checksum, each answered with
// 0xAA (accepted) or 0x55 (refused). A wait is a run of polls (one
// dispatched user event, then a wait of at most the poll period that ends as
// soon as the awaited bytes are there) until its deadline, a time of its own.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "serial/LinkPort.h"
#include "core/OperationHost.h"

namespace velmora {

inline constexpr uint8_t FRAME_ACCEPTED = 0xAA;
inline constexpr uint8_t FRAME_REFUSED = 0x55;
inline constexpr uint8_t METER_READY = 0xCC;
inline constexpr uint8_t METER_READY_TO_SEND = 0xA5;
inline constexpr uint8_t PC_GO = 0xCC;

struct MeterCommand {
    uint8_t first;
    uint8_t second;
    uint8_t answer;
};

inline constexpr MeterCommand CMD_READ_TABLES{0xA5, 0x5B, 0xA5};
inline constexpr MeterCommand CMD_WRITE_TABLES{0x5A, 0xA5, 0xCC};
inline constexpr MeterCommand CMD_WRITE_LOGO{0xC5, 0x3A, 0xCC};
inline constexpr MeterCommand CMD_WRITE_ICON{0x5C, 0xA3, 0xCC};
inline constexpr MeterCommand CMD_DELETE_ICONS{0x93, 0x6C, 0xCC};

struct LinkSettings {
    // Upper bound of the wait in one poll.
    std::chrono::microseconds pollPeriod{3000};
    // How long an answer or a frame may keep the line silent before it
    // counts as missing (all but Read, which waits until Stop).
    std::chrono::milliseconds replyTimeout{3000};
    // How long one read of the bootloader may wait.
    std::chrono::milliseconds bootReadTimeout{3000};
    // A command still unanswered after this long gets a notice saying what
    // may be wrong; the wait goes on (the user may switch the meter on).
    std::chrono::milliseconds noAnswerNotice{5000};
    // How long a meter left inside a transfer (a Stop, a frame that went
    // unanswered) takes to give it up and listen for commands again. Until
    // then a command is only more frame bytes to it, so the next command on
    // that port waits out the rest of this time first.
    std::chrono::milliseconds meterSettle{2500};
};

// How an operation ended.
enum class OpResult {
    NotStarted,  // refused before the link was used (busy, no port, bad file, ...)
    Completed,
    Failed,
    Stopped,  // stopped while waiting for the meter's answer
};

enum class CommandAnswer { Ready, TimedOut, Stopped, Unplugged };

// The sum of the bytes modulo 256.
uint8_t FrameChecksum(const uint8_t* payload, int length);

class MeterLink {
public:
    MeterLink(LinkPort& port, OperationHost& host, LinkSettings settings = {});

    LinkPort& Port() { return port_; }
    OperationHost& Host() { return host_; }
    LinkSettings& Settings() { return settings_; }

    // The port the operations open: the selector's entry in the window, the
    // command line's port in the tool ("COM3" or a device path).
    void SetPortName(std::string portName) { portName_ = std::move(portName); }
    const std::string& PortName() const { return portName_; }

    // Opens the named port under the wait cursor and shows what the port had
    // to tell; no message of its own when that fails. An empty name fails.
    bool OpenPort();
    // Shows the port's notices through the host, oldest first.
    void ShowPortNotices();
    // Opens the named port; "Connect fail " when it fails. Returns whether
    // the port is open.
    bool OpenLink();
    void CloseLink();

    // Sends payload[0..length) with its checksum in payload[length] and waits
    // for the acknowledgement; true when the meter accepted.
    bool SendFrame(uint8_t* payload, int length);
    // Takes one frame of length payload bytes plus checksum into
    // buffer[0..length] and acknowledges it; true when the checksum held.
    bool ReceiveFrame(uint8_t* buffer, int length);
    // Waits for the reply latch; false on Stop or after the reply timeout
    // (the latter with the " ask timeout !  " box).
    bool WaitReply();
    void PumpOnce() { host_.PumpOnce(); }

    // Sends the command and waits for its answer. The Read-tables command
    // waits without a limit and then sends the go byte. A wait longer than
    // noAnswerNotice shows NoAnswerNotice() once.
    CommandAnswer OpenOperation(const MeterCommand& command);
    // "No answer from the meter on COM2 (/dev/ttyS0) yet: ..." with how to
    // give up on this host (Stop in the window, Ctrl+C without one).
    std::string NoAnswerNotice();
    // The message once the wait for a command's answer ran out, when the
    // meter cannot have changed anything.
    std::string NoAnswerMessage();
    // A failure status ("Read Failed ! "), with the reason when the adapter
    // was unplugged during the operation.
    std::string FailureStatus(const char* text) const;

    // Steps common to every operation: refuses while busy, opens the link if
    // needed, disables the selector and sets both flags. False when the
    // operation must not start.
    bool EnterOperation();
    // Closes the link and clears both flags.
    void LeaveOperation();
    // The transfer the last command opened went through whole: the meter
    // listens for the next command at once.
    void TransferCompleted() { inTransfer_ = false; }

private:
    bool RunFlag() { return host_.Flags().runFlag != 0; }
    // "COM2 (/dev/ttyS0)": the port as the user named it, and its device.
    std::string PortForUser() const;
    // The wait half of a poll.
    void Wait(const std::function<bool()>& ready);
    void WriteByte(uint8_t byte);

    // Waits until a meter left inside a transfer on this port has given it
    // up; false on Stop or when the adapter went.
    bool WaitForMeterToSettle();

    LinkPort& port_;
    OperationHost& host_;
    LinkSettings settings_;
    std::string portName_;
    // A command was answered and its transfer has not been seen through.
    bool inTransfer_ = false;
    // When the meter on unsettledPort_ listens for commands again.
    std::chrono::steady_clock::time_point settledAt_{};
    std::string unsettledPort_;
};

}  // namespace velmora
