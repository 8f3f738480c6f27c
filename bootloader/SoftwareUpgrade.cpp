#include "bootloader/SoftwareUpgrade.h"

#include <cstdio>
#include <cstring>

#include "core/MessageText.h"
#include "core/TextMark.h"
#include "bootloader/IntelHex.h"
#include "bootloader/SerialBootPort.h"
#include "meter/LogoIconUpload.h"

namespace velmora {

ChosenFile LoadSoftFile(const std::string& chosenPath) {
    std::string name = FileNameOf(chosenPath);
    if (name.compare(0, std::strlen(SOFT_NAME_PREFIX), SOFT_NAME_PREFIX) != 0) {
        return {"", SOFT_LABEL};
    }
    return {chosenPath, FillText(SOFT_LABEL_NAMED, {name.substr(0, SOFT_LABEL_NAME_CHARS)})};
}

namespace {

// One upgrade from the identified device to the started firmware; returns
// the status text it ends with.
class Upgrade {
public:
    Upgrade(MeterLink& link, FirmwareImage& image, BootloaderConnection& boot,
            const std::string& path)
        : link_(link), host_(link.Host()), image_(image), boot_(boot), path_(path) {}

    OpResult Run() {
        const DeviceEntry& device = boot_.Device();
        uint32_t address = image_.Base();
        uint32_t end = device.flashEnd;
        uint32_t size = image_.Size();
        // Refuse what cannot succeed before the meter's firmware is erased:
        // only now is the device, and so its flash, known.
        if (size == 0) return Fail(TEXT_FIRMWARE_EMPTY);
        if (address < device.flashStart || address >= end || size > end - address) {
            char range[128];
            std::snprintf(range, sizeof range,
                          ": the firmware at 0x%08x-0x%08llx lies outside the flash of %s "
                          "(0x%08x-0x%08x)",
                          address, static_cast<unsigned long long>(address) + size - 1, device.name,
                          device.flashStart, device.flashEnd - 1);
            host_.ShowMessage(EscapeControls(path_) + range);
            return Fail(TEXT_FIRMWARE_TOO_LARGE);
        }

        host_.SetStatus(TEXT_ERASING);
        if (boot_.EraseAll() != BootResult::Ok) return Fail(TEXT_ERASE_FAILED);

        uint32_t written = 0;
        while (address < end && written < size) {
            uint32_t length = std::min({end - address, UPGRADE_BLOCK_BYTES, size - written});
            host_.PumpOnce();
            if (host_.Flags().runFlag == 0) {
                host_.SetStatus("");
                return OpResult::Stopped;
            }
            uint8_t block[UPGRADE_BLOCK_BYTES];
            image_.Read(block, length);
            if (length == 0) return Fail(TEXT_READ_FILE_FAILED);
            // WRITE MEMORY takes whole words only: the last block is padded
            // with erased-flash bytes and verified padded.
            uint32_t padded = (length + 3) & ~3u;
            std::memset(block + length, 0xFF, padded - length);
            if (OpResult r = WriteVerified(address, block, padded); r != OpResult::Completed) return r;
            address += length;
            written += length;
            double percent = 100.0 / size * written;
            char text[64];
            std::snprintf(text, sizeof text, "Write 0x%08x (%.2f%%)   ", address, percent);
            host_.SetStatus(text);
            host_.SetProgress(static_cast<int>(percent + 1));
        }
        host_.SetProgress(101);
        host_.SetStatus(TEXT_UPGRADE_SUCCESS);
        host_.Flags().batchFlags |= BATCH_SOFT_DONE;
        boot_.Go(boot_.Device().flashStart);
        return OpResult::Completed;
    }

private:
    OpResult Fail(const char* text) {
        host_.SetStatus(link_.FailureStatus(text));
        return OpResult::Failed;
    }

    OpResult WriteVerified(uint32_t address, const uint8_t* block, uint32_t length) {
        for (int retries = 0;; ++retries) {
            if (boot_.WriteMemory(address, block, length) != BootResult::Ok) {
                return Fail(TEXT_WRITE_MEMORY_FAILED);
            }
            uint8_t back[UPGRADE_BLOCK_BYTES];
            if (boot_.ReadMemory(address, back, length) != BootResult::Ok) {
                return Fail(TEXT_READ_MEMORY_FAILED);
            }
            uint32_t i = 0;
            while (i < length && block[i] == back[i]) ++i;
            if (i == length) return OpResult::Completed;
            if (retries == VERIFY_RETRIES) {
                char text[48];
                std::snprintf(text, sizeof text, "Failed to verify at 0x%08x", address + i);
                return Fail(text);
            }
        }
    }

    MeterLink& link_;
    OperationHost& host_;
    FirmwareImage& image_;
    BootloaderConnection& boot_;
    const std::string& path_;
};

}  // namespace

std::string WithBootloaderHint(const std::string& status) {
    if (status.rfind(TEXT_DEVICE_NOT_FOUND, 0) != 0) return status;
    return status + TEXT_BOOTLOADER_HINT;
}

OpResult UpgradeSoftware(MeterLink& link, const std::string& softPath,
                         const BootOptions& bootOptions) {
    OperationHost& host = link.Host();
    if (host.Flags().busyFlag != 0) return OpResult::NotStarted;
    // The file is taken whole or not at all, and before the port is opened:
    // a cut-off download or data the flash cannot hold never reaches the meter.
    std::unique_ptr<FirmwareImage> image = FirmwareImage::Create();
    std::string whyNot;
    if (image->Load(softPath, &whyNot) != LoadOk) {
        host.ShowMessage(whyNot);
        host.SetStatus(TEXT_FILE_OPEN_FAILED);
        link.LeaveOperation();  // a port a probe left open is closed as after any failure
        return OpResult::Failed;
    }
    if (!link.Port().IsOpen() && !link.OpenLink()) return OpResult::NotStarted;
    link.Port().ApplyBootloaderFraming();
    link.ShowPortNotices();
    host.Flags().busyFlag = 1;
    host.Flags().runFlag = 1;
    host.BeginProgress(TEXT_DEVICE_INITIALIZE, 101);
    link.Port().ResetReceiveRing();
    link.Port().replyByte.store(0);
    link.Port().replyArrived.store(0);

    OpResult result = OpResult::Failed;
    SerialBootPort bootPort(link.Port(), host, link.Settings().pollPeriod,
                            link.Settings().bootReadTimeout);
    std::unique_ptr<BootloaderConnection> boot;
    if (!(boot = BootloaderConnection::Init(bootPort, !bootOptions.synchronised, bootOptions))) {
        host.SetStatus(link.FailureStatus(TEXT_DEVICE_NOT_FOUND));
    } else {
        if (bootOptions.identified) bootOptions.identified(boot->ProductId(), boot->BootloaderVersion());
        uint8_t id[UNIQUE_ID_BYTES];
        if (bootOptions.uniqueIdRead && boot->ReadUniqueId(id)) bootOptions.uniqueIdRead(id);
        result = Upgrade(link, *image, *boot, softPath).Run();
    }

    image->Destroy();
    BootloaderConnection::Close(boot);
    link.LeaveOperation();
    return result;
}

}  // namespace velmora
