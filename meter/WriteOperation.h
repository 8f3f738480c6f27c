// The frame every sending operation (tables, logo, icon, icon deletion) runs
// in: refuse while busy, open the link, set the flags, send the command, run
// the transfer, show the outcome, close the link and clear the flags.
#pragma once

#include "serial/LinkTexts.h"
#include "meter/MeterLink.h"

namespace velmora {

// transfer() runs once the meter is ready and returns whether every frame was
// accepted.
template <class Transfer>
OpResult RunWriteOperation(MeterLink& link, const MeterCommand& command, const char* completed,
                           const char* failed, Transfer transfer) {
    OperationHost& host = link.Host();
    if (!link.EnterOperation()) return OpResult::NotStarted;
    OpResult result;
    {
        host.SetStatus(TEXT_WAIT_FOR_CONNECT);
        CommandAnswer answer = link.OpenOperation(command);
        if (answer == CommandAnswer::Stopped) {
            host.SetStatus("");
            result = OpResult::Stopped;
        } else if (answer == CommandAnswer::Ready && transfer()) {
            link.TransferCompleted();
            host.SetStatus(completed);
            result = OpResult::Completed;
        } else {
            host.SetStatus(link.FailureStatus(failed));
            if (answer == CommandAnswer::TimedOut) host.ShowMessage(link.NoAnswerMessage());
            result = OpResult::Failed;
        }
    }
    link.LeaveOperation();
    return result;
}

}  // namespace velmora
