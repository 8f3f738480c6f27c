// What named an operation's failure, for the unit record: the notice a
// failed step showed, else the status it ended on (a bootloader that
// refused, a meter that did not answer). The command-line tool takes it
// with a host between the operation and its own (NoticeTap); the window's
// session, which is the host itself, tells its notes as it shows them.
#pragma once

#include <string>

#include "core/OperationHost.h"

namespace velmora {

class FailureNotes {
public:
    void NoteStatus(const std::string& text) { status_ = text; }
    void NoteMessage(const std::string& text, MessageKind kind) {
        if (kind == MessageKind::Notice) notice_ = text;
    }
    void NotePartialWrite(const std::string& message) { notice_ = message; }
    const std::string& LastStatus() const { return status_; }
    // A step ended; the first failed one names the reason.
    void StepEnded(bool ok);
    // The reason of the failure (empty when nothing failed or was said),
    // forgotten for the next meter.
    std::string TakeReason();

private:
    std::string notice_;
    std::string status_;
    std::string reason_;
};

// A host that hands everything to another and keeps the notes.
class NoticeTap : public OperationHost, public FailureNotes {
public:
    explicit NoticeTap(OperationHost& host) : host_(host) {}
    SatTpDatabase& Database() override { return host_.Database(); }
    OperationFlags& Flags() override { return host_.Flags(); }
    void SetStatus(const std::string& text) override {
        NoteStatus(text);
        host_.SetStatus(text);
    }
    void BeginProgress(const std::string& text, int maximum) override {
        host_.BeginProgress(text, maximum);
    }
    void SetProgress(int position) override { host_.SetProgress(position); }
    void PumpOnce() override { host_.PumpOnce(); }
    void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) override {
        NoteMessage(text, kind);
        host_.ShowMessage(text, kind);
    }
    void ShowWaitNotice(const std::string& text) override { host_.ShowWaitNotice(text); }
    void ShowPartialWrite(const std::string& message, const std::string& backup,
                          const std::string& port) override {
        NotePartialWrite(message);
        host_.ShowPartialWrite(message, backup, port);
    }
    bool StopsWithButton() const override { return host_.StopsWithButton(); }

private:
    OperationHost& host_;
};

}  // namespace velmora
