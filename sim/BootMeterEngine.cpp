#include "sim/BootMeterEngine.h"

#include <cstdio>

#include "sim/TableDump.h"

namespace velmora::sim {

namespace {

int Changes(const BootloaderEngineStats& s) {
    return s.writes + s.massErases + s.pageErases;
}

void Count(LineCounts& counts, std::size_t answered) {
    ++counts.pcBytes;
    counts.deviceBytes += static_cast<long>(answered);
    if (answered != 0) ++counts.answers;
}

}  // namespace

BootMeterEngine::BootMeterEngine(BootloaderEngineOptions bootloader, MeterOptions meter)
    : boot_(bootloader), meter_(meter), outputDir_(meter.outputDir), log_(meter.log) {}

void BootMeterEngine::Log(const std::string& line) const {
    if (log_) log_(line);
}

void BootMeterEngine::OnByte(uint8_t byte, SimClock::time_point at, SimOutput& out) {
    if (running_.load()) {
        std::size_t before = out.Bytes().size();
        meter_.OnByte(byte, at, out);
        std::lock_guard<std::mutex> lock(mutex_);
        Count(meterCounts_, out.Bytes().size() - before);
        return;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    reply_.clear();
    boot_.Receive(&byte, 1, reply_);
    if (!reply_.empty()) out.Send(reply_.data(), reply_.size());
    Count(bootCounts_, reply_.size());
    if (boot_.GoReceived()) {
        char line[64];
        std::snprintf(line, sizeof line, "bootloader: GO 0x%08x, the firmware runs",
                      boot_.GoAddress());
        Log(line);
        // The new firmware is complete: keep it before anything else happens.
        StoreFlashLocked();
        running_.store(true);
    }
}

std::vector<uint8_t> BootMeterEngine::Flash() const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto flash = boot_.Flash();
    return {flash.begin(), flash.end()};
}

BootloaderEngineStats BootMeterEngine::BootStats() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boot_.Stats();
}

LineCounts BootMeterEngine::BootCounts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bootCounts_;
}

LineCounts BootMeterEngine::MeterCounts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return meterCounts_;
}

bool BootMeterEngine::StoreFlash() {
    std::lock_guard<std::mutex> lock(mutex_);
    return StoreFlashLocked();
}

bool BootMeterEngine::StoreFlashLocked() {
    int changes = Changes(boot_.Stats());
    if (outputDir_.empty() || changes == storedChanges_) return true;
    auto flash = boot_.Flash();
    std::string path = outputDir_ + "/" + FLASH_FILE;
    if (!WriteBinaryFile(path, {flash.begin(), flash.end()})) {
        Log("cannot write " + path);
        return false;
    }
    storedChanges_ = changes;
    Log("flash stored in " + path);
    return true;
}

}  // namespace velmora::sim
