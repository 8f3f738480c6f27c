// What a long operation (table transfer, logo or icon upload, icon deletion,
// firmware upgrade, batch) needs from whoever runs it. The desktop session,
// the command-line tool and the tests each implement it, so every operation is
// one piece of code driven three ways. Only the session has a window.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "core/MessageText.h"
#include "core/SatTpDatabase.h"

namespace velmora {

// Batch result bits, set by the operations that complete; only the batch
// clears them.
inline constexpr uint8_t BATCH_SOFT_DONE = 0x01;
inline constexpr uint8_t BATCH_ICON_DONE = 0x04;
inline constexpr uint8_t BATCH_LOGO_DONE = 0x08;
inline constexpr uint8_t BATCH_TABLES_DONE = 0x10;

// The long-operation frame: busyFlag keeps a second operation out, runFlag is
// cleared by Stop or a close request and polled by every wait. In the window
// the operation runs on a thread of its own while Stop and the close request
// come from the window's thread: the flags are atomic.
struct OperationFlags {
    // Set while an operation holds the tables and the port.
    std::atomic<bool> busyFlag = false;
    // Cleared by Stop; the operation sees it at its next poll.
    std::atomic<bool> runFlag = false;
    std::atomic<uint8_t> batchFlags = 0;
    // Set while a batch runs its steps; a second batch is refused.
    std::atomic<bool> batchRunning = false;
    // Stop or a close request during a batch: no further step starts.
    std::atomic<bool> batchStopRequested = false;
    // Stop pressed after the window started an operation but before the
    // operation took the port: it starts stopped. The window clears it when
    // it starts one; taking the port or leaving it clears it too.
    std::atomic<bool> stopRequested = false;
};

class OperationHost {
public:
    virtual ~OperationHost() = default;

    virtual SatTpDatabase& Database() = 0;
    virtual OperationFlags& Flags() = 0;

    // Status line and progress bar.
    virtual void SetStatus(const std::string& text) = 0;
    virtual void BeginProgress(const std::string& text, int maximum) = 0;
    virtual void SetProgress(int position) = 0;

    // Called between two waits of a long operation: where the host sees Stop,
    // Ctrl+C or a close request.
    virtual void PumpOnce() = 0;

    // Tells the user: a box captioned "Orvane" in the window (the exclamation
    // icon for a notice, the information icon for a success), a line on
    // standard error in the command-line tool.
    virtual void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) = 0;

    // A wait that goes on longer than the meter needs: text says what may be
    // wrong and how to give up, while the wait goes on. The status line shows
    // it; a host whose status line may not be seen writes it where it is.
    virtual void ShowWaitNotice(const std::string& text) { SetStatus(text); }

    // A status that is redrawn every second while a wait counts down ("...:
    // 12 s"); a host that keeps a log of its statuses draws it in place.
    virtual void ShowCountdown(const std::string& text) { SetStatus(text); }

    // A table write ended part-way after the meter's table before it was
    // saved in backup: message says so and names the file. A host that can
    // put the backup back offers it (the window a button, the command-line
    // tool the command that writes it to port); the default shows message.
    virtual void ShowPartialWrite(const std::string& message, const std::string& /*backup*/,
                                  const std::string& /*port*/) {
        ShowMessage(message);
    }

    // Whether the user gives up a wait with a Stop button (the window) rather
    // than Ctrl+C; the notices name the one the user has.
    virtual bool StopsWithButton() const { return false; }
};


}  // namespace velmora
