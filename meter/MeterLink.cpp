#include "meter/MeterLink.h"

#include "core/MessageText.h"
#include "serial/LinkTexts.h"
#include "serial/PortNames.h"

#include <utility>

namespace velmora {

uint8_t FrameChecksum(const uint8_t* payload, int length) {
    unsigned sum = 0;
    for (int i = 0; i < length; ++i) sum += payload[i];
    return static_cast<uint8_t>(sum);
}

MeterLink::MeterLink(LinkPort& port, OperationHost& host, LinkSettings settings)
    : port_(port), host_(host), settings_(std::move(settings)) {}

bool MeterLink::OpenPort() {
    if (portName_.empty()) return false;
    const bool opened = port_.Open(portName_);
    ShowPortNotices();
    return opened;
}

void MeterLink::ShowPortNotices() {
    for (const std::string& notice : port_.TakeNotices()) host_.ShowMessage(notice);
}

bool MeterLink::OpenLink() {
    if (!OpenPort()) {
        const std::string reason = portName_.empty() ? std::string() : port_.OpenFailureReason();
        host_.ShowMessage(reason.empty() ? std::string(TEXT_CONNECT_FAIL)
                                         : std::string(TEXT_CONNECT_FAIL) + "\n" + reason);
        return false;
    }
    return true;
}

void MeterLink::CloseLink() { port_.Close(); }

void MeterLink::Wait(const std::function<bool()>& ready) {
    port_.WaitForData(ready, settings_.pollPeriod);
}

void MeterLink::WriteByte(uint8_t byte) { port_.Write(&byte, 1); }

bool MeterLink::SendFrame(uint8_t* payload, int length) {
    payload[length] = FrameChecksum(payload, length);
    port_.replyArrived.store(0);
    port_.Write(payload, static_cast<std::size_t>(length) + 1);
    port_.ExpectBytes(1);
    if (!WaitReply()) return false;
    return port_.replyByte.load() == FRAME_ACCEPTED;
}

bool MeterLink::WaitReply() {
    auto arrived = [this] { return port_.replyArrived.load() != 0; };
    const auto deadline = std::chrono::steady_clock::now() + settings_.replyTimeout;
    bool late = false;
    while (!arrived() && !late) {
        late = std::chrono::steady_clock::now() >= deadline;
        PumpOnce();
        Wait(arrived);
        if (!RunFlag() || port_.Unplugged()) return false;
    }
    if (!arrived()) {
        host_.ShowMessage(TEXT_ASK_TIMEOUT);
        return false;
    }
    return true;
}

bool MeterLink::ReceiveFrame(uint8_t* buffer, int length) {
    buffer[length] = 0xFF;
    auto complete = [this, length] { return port_.ReceivedCount() >= length + 1; };
    port_.ExpectBytes(length + 1 - port_.ReceivedCount());
    const auto deadline = std::chrono::steady_clock::now() + settings_.replyTimeout;
    while (!complete()) {
        if (std::chrono::steady_clock::now() >= deadline || port_.Unplugged()) return false;
        PumpOnce();
        if (!RunFlag()) return false;
        Wait(complete);
    }
    for (int i = 0; i <= length; ++i) buffer[i] = port_.PopReceived();
    if (FrameChecksum(buffer, length) == buffer[length]) {
        WriteByte(FRAME_ACCEPTED);
        return true;
    }
    WriteByte(FRAME_REFUSED);
    return false;
}

bool MeterLink::WaitForMeterToSettle() {
    if (portName_ != unsettledPort_) return true;
    while (std::chrono::steady_clock::now() < settledAt_) {
        PumpOnce();
        if (!RunFlag() || port_.Unplugged()) return false;
        Wait([] { return false; });
    }
    unsettledPort_.clear();
    return true;
}

CommandAnswer MeterLink::OpenOperation(const MeterCommand& command) {
    if (!WaitForMeterToSettle()) {
        return port_.Unplugged() ? CommandAnswer::Unplugged : CommandAnswer::Stopped;
    }
    const bool readTables = command.first == CMD_READ_TABLES.first &&
                            command.second == CMD_READ_TABLES.second;
    port_.ResetReceiveRing();
    port_.replyByte.store(0);
    if (!readTables) port_.replyArrived.store(0);
    WriteByte(command.first);
    WriteByte(command.second);
    port_.ExpectBytes(1);
    if (!readTables) {
        // Forget whatever came in before the command went out, but never the
        // answer itself: a quick meter may already have replied, and the
        // receive thread puts a byte into the ring before latching it.
        uint8_t before = port_.replyByte.load();
        if (port_.ReceivedCount() == 0) port_.replyByte.compare_exchange_strong(before, 0);
    }
    auto answered = [this, &command] { return port_.replyByte.load() == command.answer; };
    const auto start = std::chrono::steady_clock::now();
    const auto noticeAt = start + settings_.noAnswerNotice;
    const auto deadline = start + settings_.replyTimeout;
    bool noticeShown = false;
    for (;;) {
        if (!readTables && std::chrono::steady_clock::now() >= deadline) {
            return CommandAnswer::TimedOut;
        }
        PumpOnce();
        if (answered()) break;
        if (!RunFlag()) return CommandAnswer::Stopped;
        if (port_.Unplugged()) return CommandAnswer::Unplugged;
        if (!noticeShown && std::chrono::steady_clock::now() >= noticeAt) {
            host_.ShowWaitNotice(NoAnswerNotice());
            noticeShown = true;
        }
        Wait(answered);
    }
    if (command.first != CMD_DELETE_ICONS.first) port_.PopReceived();
    if (readTables) WriteByte(PC_GO);
    inTransfer_ = true;
    return CommandAnswer::Ready;
}

std::string MeterLink::PortForUser() const {
    // A COM name is shown with its device; a device path given directly once.
    const std::string device = ResolvePortDevice(portName_);
    std::string where = EscapeControls(portName_);
    if (!device.empty() && device != portName_) where += " (" + EscapeControls(device) + ")";
    return where;
}

std::string MeterLink::NoAnswerNotice() {
    return FillText(TEXT_NO_ANSWER_YET,
                    {PortForUser(),
                     host_.StopsWithButton() ? TEXT_GIVE_UP_STOP : TEXT_GIVE_UP_CTRL_C});
}

std::string MeterLink::NoAnswerMessage() {
    return FillText(TEXT_NO_ANSWER_UNCHANGED, {PortForUser()});
}

std::string MeterLink::FailureStatus(const char* text) const {
    std::string status = text;
    if (!port_.Unplugged()) return status;
    // The meter's texts end in a blank ("Read Failed ! "); the others get one.
    if (!status.empty() && status.back() != ' ') status += ' ';
    return FillText(TEXT_ADAPTER_UNPLUGGED, {status});
}

bool MeterLink::EnterOperation() {
    OperationFlags& flags = host_.Flags();
    if (flags.busyFlag != 0) return false;
    if (!port_.IsOpen() && !OpenLink()) return false;
    flags.busyFlag = 1;
    flags.runFlag = !flags.stopRequested.exchange(false);
    return true;
}

void MeterLink::LeaveOperation() {
    if (std::exchange(inTransfer_, false)) {
        settledAt_ = std::chrono::steady_clock::now() + settings_.meterSettle;
        unsettledPort_ = portName_;
    }
    CloseLink();
    OperationFlags& flags = host_.Flags();
    flags.runFlag = 0;
    flags.stopRequested = false;
    flags.busyFlag = 0;
}

}  // namespace velmora
