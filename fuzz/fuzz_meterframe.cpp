// Plays arbitrary bytes as the meter's side of a table read: the PC must end
// every exchange (complete, failed or stopped) without reading or writing
// past a table, replace its tables only when the read completed, and leave
// them within their limits. The same bytes are also parsed as a received
// payload.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/QuietHost.h"
#include "serial/LinkPort.h"
#include "meter/TableTransfer.h"

using namespace velmora;

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Feeds the input a few bytes per poll, as a line would.
class FuzzPort : public LinkPort {
public:
    void Load(const uint8_t* data, std::size_t size) {
        data_ = data;
        size_ = size;
        at_ = 0;
        ResetReceiveRing();
        replyByte = 0;
        replyArrived = 0;
    }
    bool Open(const std::string&) override {
        isOpen = 1;
        return true;
    }
    bool Close() override {
        isOpen = 0;
        return true;
    }
    bool ApplyBootloaderFraming() override { return true; }
    bool Write(const uint8_t*, std::size_t) override { return true; }
    bool WaitForData(const std::function<bool()>& ready, std::chrono::microseconds) override {
        std::size_t room = ReceiveRing::kCapacity - static_cast<std::size_t>(ReceivedCount());
        std::size_t n = std::min({size_ - at_, room, kChunk});
        if (n > 0) Deliver(data_ + at_, n);
        at_ += n;
        return ready();
    }

private:
    static constexpr std::size_t kChunk = 23;
    const uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t at_ = 0;
};

class FuzzHost : public testing::QuietHost {
public:
    FuzzHost() {
        // A meter that never says it is ready is waited for until Stop.
        onPump = [this] {
            if (pumps > 20000) Flags().runFlag = 0;
        };
    }
    void BeginProgress(const std::string& text, int maximum) override {
        Check(maximum >= 0 && maximum <= MAX_TPS);
        QuietHost::BeginProgress(text, maximum);
    }
};

void CheckLimits(const SatTpDatabase& db) {
    Check(db.satCount >= 0 && db.satCount <= MAX_SATELLITES);
    Check(db.tpCount >= 0 && db.tpCount <= MAX_TPS);
    for (const SatRecord& s : db.satellites) Check(s.name[SAT_NAME_BYTES] == '\0');
}

// Polls that take no time, and a frame that is not all there is missing at once.
LinkSettings QuickSettings() {
    LinkSettings settings;
    settings.pollPeriod = std::chrono::microseconds(0);
    settings.replyTimeout = std::chrono::milliseconds(1);
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static FuzzPort port;
    static FuzzHost host;
    static MeterLink link(port, host, QuickSettings());
    link.SetPortName("fuzz");
    ClearDatabase(host.Database());
    host.pumps = 0;
    port.Load(data, size);

    OpResult result = ReadTablesFromMeter(link);
    Check(host.Flags().busyFlag == 0 && host.Flags().runFlag == 0 && !port.IsOpen());
    CheckLimits(host.Database());
    if (result == OpResult::Completed) {
        for (int t = 0; t < host.Database().tpCount; ++t) Check(host.Database().tps[t].satIndex < MAX_SATELLITES);
    } else {
        Check(host.Database().satCount == 0 && host.Database().tpCount == 0);
    }

    // The same bytes as a received payload.
    ClearDatabase(host.Database());
    LoadTablesFromPayload(host.Database(), std::vector<uint8_t>(data, data + size));
    CheckLimits(host.Database());
    return 0;
}
