// A host for long operations that shows nothing and has no window: it keeps
// the last status or message and counts event dispatches. Tests, benchmarks and
// fuzz targets derive from it where they need more.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/OperationHost.h"

namespace velmora::testing {

class QuietHost : public OperationHost {
public:
    QuietHost() : db_(std::make_unique<SatTpDatabase>()) { ClearDatabase(*db_); }
    SatTpDatabase& Database() override { return *db_; }
    OperationFlags& Flags() override { return flags_; }
    void SetStatus(const std::string& text) override { status = text; }
    void BeginProgress(const std::string& text, int) override { status = text; }
    void SetProgress(int) override {}
    void PumpOnce() override {
        ++pumps;
        if (onPump) onPump();
    }
    void ShowMessage(const std::string& text, MessageKind = MessageKind::Notice) override {
        status = text;
    }

    std::string status;
    int pumps = 0;
    std::function<void()> onPump;

private:
    std::unique_ptr<SatTpDatabase> db_;
    OperationFlags flags_;
};

}  // namespace velmora::testing
