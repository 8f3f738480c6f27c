// The unit records of velmora-cli: the batch's --record, --bench, --run and
// --limit, and the units command that asks the records.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/Cli.h"
#include "core/OperationHost.h"
#include "records/UnitLog.h"

namespace velmora::cli {

struct RecordOptions {
    bool wanted = false;
    std::string target;  // empty: the bench's own file
    std::string bench;
    std::string runId;
    int limit = 0;
};

// The bench's own database: units.sqlite in the user's data folder (made
// when missing); empty when there is no home folder.
std::string LocalUnitsPath();

// Takes --record [FILE|URL], --bench NAME, --run ID and --limit N out of
// args; false (said on err) on a malformed one.
bool TakeRecordOptions(CliStreams& io, std::vector<std::string>& args, RecordOptions& options);

// A host that hands everything to another and keeps the last notice shown:
// the message that named a failure, for the meter's record.
class NoticeTap : public OperationHost {
public:
    explicit NoticeTap(OperationHost& host) : host_(host) {}
    SatTpDatabase& Database() override { return host_.Database(); }
    OperationFlags& Flags() override { return host_.Flags(); }
    void SetStatus(const std::string& text) override { host_.SetStatus(text); }
    void BeginProgress(const std::string& text, int maximum) override {
        host_.BeginProgress(text, maximum);
    }
    void SetProgress(int position) override { host_.SetProgress(position); }
    void PumpOnce() override { host_.PumpOnce(); }
    void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) override {
        if (kind == MessageKind::Notice) notice_ = text;
        host_.ShowMessage(text, kind);
    }
    void ShowWaitNotice(const std::string& text) override { host_.ShowWaitNotice(text); }
    bool StopsWithButton() const override { return host_.StopsWithButton(); }
    std::string TakeNotice() { return std::exchange(notice_, {}); }

private:
    OperationHost& host_;
    std::string notice_;
};

}  // namespace velmora::cli
