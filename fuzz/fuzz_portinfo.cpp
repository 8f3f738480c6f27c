// Feeds arbitrary text where the port code reads what the system says about
// an adapter: a /dev/serial/by-id link name, a sysfs latency timer and a
// lock file's text.
#include <cstdint>
#include <string>

#include "serial/PortDiagnosis.h"
#include "serial/PortHolders.h"
#include "serial/PortInfo.h"
#include "serial/PortLatency.h"

using namespace velmora;

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// A device whose latency timer reads as the fuzzer's text and cannot be
// written.
class TextSysfs : public PortSystem {
public:
    int GetSerial(int, serial_struct*) override { return -1; }
    bool ReadSysfs(const std::string&, std::string* text) override {
        *text = timer;
        return true;
    }
    bool WriteSysfs(const std::string&, const std::string&) override { return false; }
    std::string timer;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string adapter = AdapterFromById(text);
    Check(adapter.size() <= text.size());
    Check(adapter.empty() || (adapter.front() != ' ' && adapter.back() != ' '));

    TextSysfs sys;
    sys.timer = text;
    const LatencyOutcome outcome = LowerLatency(sys, -1, "/dev/ttyUSB0");
    Check(outcome.lateMs >= 0);
    Check(outcome.changes.timerMs == -1 && !outcome.changes.lowLatencySet);
    if (outcome.lateMs > 0) Check(!LateAnswerText("/dev/ttyUSB0", outcome.lateMs).empty());

    const std::string pid = LockFilePid(text);
    Check(pid.size() <= 10);
    Check(pid.find_first_not_of("0123456789") == std::string::npos);
    return 0;
}
