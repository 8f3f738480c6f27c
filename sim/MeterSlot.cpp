#include "sim/MeterSlot.h"

namespace velmora::sim {

namespace {
constexpr std::size_t kKeptFlashes = 16;
}  // namespace

MeterSlot::MeterSlot(BootloaderEngineOptions bootloader, MeterOptions meter,
                     std::chrono::milliseconds rebootAfter)
    : bootOptions_(bootloader), meterOptions_(std::move(meter)), rebootAfter_(rebootAfter) {
    SwitchOnNext();
}

void MeterSlot::SwitchOnNext() {
    // Every meter is a chip of its own: the last bytes of its unique ID
    // count the meters of this place.
    BootloaderEngineOptions boot = bootOptions_;
    const int number = switchedOn_.load() + 1;
    boot.uniqueId[10] ^= static_cast<uint8_t>(number >> 8);
    boot.uniqueId[11] ^= static_cast<uint8_t>(number);
    meter_ = std::make_unique<BootMeterEngine>(boot, meterOptions_);
    goAt_.reset();
    switchedOn_.fetch_add(1);
}

void MeterSlot::OnByte(uint8_t byte, SimClock::time_point at, SimOutput& out) {
    std::lock_guard<std::mutex> lock(mutex_);
    const bool due = goAt_ && rebootAfter_.count() > 0 && at >= *goAt_ + rebootAfter_;
    if (cycleRequested_.exchange(false) || due) {
        meter_->StoreFlash();
        SwitchOnNext();
    }
    const bool wasRunning = meter_->RunningFirmware();
    meter_->OnByte(byte, at, out);
    if (!wasRunning && meter_->RunningFirmware()) {
        goAt_ = at;
        upgraded_.fetch_add(1);
        // Enough for a test to check the meters of a run; a long-running
        // station keeps only the latest.
        if (upgradedFlashes_.size() == kKeptFlashes) upgradedFlashes_.erase(upgradedFlashes_.begin());
        upgradedFlashes_.push_back(meter_->Flash());
    }
}

int MeterSlot::BitsPerByte() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return meter_->BitsPerByte();
}

bool MeterSlot::RunningFirmware() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return meter_->RunningFirmware();
}

std::vector<uint8_t> MeterSlot::Flash() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return meter_->Flash();
}

std::vector<std::vector<uint8_t>> MeterSlot::UpgradedFlashes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return upgradedFlashes_;
}

bool MeterSlot::StoreFlash() {
    std::lock_guard<std::mutex> lock(mutex_);
    return meter_->StoreFlash();
}

}  // namespace velmora::sim
