// Shared pieces of the link tests: a scripted host, an in-memory port, and a
// simulated meter on a pseudo-terminal.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "serial/SerialPort.h"
#include "serial/LinkPort.h"
#include "meter/MeterLink.h"
#include "core/OperationHost.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"
#include "tests/support/ScratchFolder.h"

namespace velmora::testing {

// Records everything an operation shows; PumpOnce can press Stop or run a
// nested command. It has a Stop button unless hasWindow is cleared.
class FakeHost : public OperationHost {
public:
    FakeHost() : db(std::make_unique<SatTpDatabase>()) { ClearDatabase(*db); }

    SatTpDatabase& Database() override { return *db; }
    OperationFlags& Flags() override { return flags; }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void BeginProgress(const std::string& text, int maximum) override {
        SetStatus(text);
        phases.emplace_back(text, maximum);
        progress = 0;
    }
    void SetProgress(int position) override { progress = position; }
    void PumpOnce() override {
        ++pumps;
        if (stopAfterPumps > 0 && pumps >= stopAfterPumps) flags.runFlag = 0;
        if (onPump) onPump();
    }
    void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) override {
        messages.push_back(text);
        messageKinds.push_back(kind);
    }
    bool StopsWithButton() const override { return hasWindow; }

    std::string LastStatus() const { return statuses.empty() ? "<none>" : statuses.back(); }

    std::unique_ptr<SatTpDatabase> db;
    OperationFlags flags;
    bool hasWindow = true;
    std::vector<std::string> statuses;
    std::vector<std::pair<std::string, int>> phases;
    std::vector<std::string> messages;
    std::vector<MessageKind> messageKinds;
    int progress = 0;
    int pumps = 0;
    int stopAfterPumps = 0;
    std::function<void()> onPump;
};

// A port without a device: what the PC writes goes to onWrite, and Feed plays
// the receive thread.
class ScriptedPort : public LinkPort {
public:
    bool Open(const std::string& name) override {
        openedName = name;
        ++opens;
        if (onOpen) onOpen();
        if (openOk) isOpen.store(1);
        return openOk;
    }
    std::vector<std::string> TakeNotices() override {
        std::vector<std::string> taken;
        taken.swap(notices);
        return taken;
    }
    bool Close() override {
        isOpen.store(0);
        ++closes;
        return true;
    }
    bool ApplyBootloaderFraming() override { return true; }
    bool Write(const uint8_t* data, std::size_t count) override {
        written.insert(written.end(), data, data + count);
        if (onWrite) onWrite(data, count);
        return true;
    }
    void Feed(const std::vector<uint8_t>& bytes) { Deliver(bytes.data(), bytes.size()); }
    using LinkPort::LikelyAnswerSize;

    bool openOk = true;
    std::string openedName;
    std::vector<std::string> notices;
    std::function<void()> onOpen;
    int opens = 0;
    int closes = 0;
    std::vector<uint8_t> written;
    std::function<void(const uint8_t*, std::size_t)> onWrite;
};

// A small table: 2 satellites, 5 transponders, distinct LNB settings.
inline void FillSmallTable(SatTpDatabase& db) {
    ClearDatabase(db);
    for (int i = 0; i < LNB_COUNT; ++i) {
        db.lnbs[i] = LnbRecord{static_cast<uint8_t>(i % 9), 1, 0, 2, static_cast<uint8_t>(i), 1, 7, 0,
                               static_cast<uint32_t>(9750 + i)};
    }
    SetSatName(db.satellites[0], "Astra 1KR", 9);
    db.satellites[0].lnbIndex = 3;
    db.satellites[0].position = 192;
    SetSatName(db.satellites[1], "Hispasat 30W", 12);
    db.satellites[1].lnbIndex = 5;
    db.satellites[1].position = 3300;
    db.satCount = 2;
    for (int i = 0; i < 5; ++i) {
        db.tps[i] = TpRecord{static_cast<uint16_t>(i % 2), 0, static_cast<uint8_t>(i % 2),
                             static_cast<uint32_t>(11000 + 37 * i), static_cast<uint32_t>(22000 + i)};
    }
    db.tpCount = 5;
}

// A full table: 300 satellites and 8000 transponders.
inline void FillFullTable(SatTpDatabase& db) {
    FillSmallTable(db);
    for (int i = 0; i < MAX_SATELLITES; ++i) {
        std::string name = "Sat " + std::to_string(i);
        SetSatName(db.satellites[i], name.c_str(), name.size());
        db.satellites[i].lnbIndex = static_cast<uint8_t>(i % LNB_COUNT);
        db.satellites[i].position = static_cast<uint16_t>((i * 12) % 3600);
    }
    db.satCount = MAX_SATELLITES;
    for (int i = 0; i < MAX_TPS; ++i) {
        db.tps[i] = TpRecord{static_cast<uint16_t>(i % MAX_SATELLITES), 0,
                             static_cast<uint8_t>(i % 4), static_cast<uint32_t>(10700 + i % 2050),
                             static_cast<uint32_t>(1000 + i)};
    }
    db.tpCount = MAX_TPS;
}

// A link polling every pollPeriod whose deadlines are a thousand polls, so a
// quick test times out quickly.
inline LinkSettings TestLinkSettings(std::chrono::microseconds pollPeriod) {
    LinkSettings settings;
    settings.pollPeriod = pollPeriod;
    settings.replyTimeout = std::chrono::duration_cast<std::chrono::milliseconds>(pollPeriod * 1000);
    settings.bootReadTimeout = settings.replyTimeout;
    return settings;
}

// The simulated meter on a pseudo-terminal, the real port and a link that
// polls every pollPeriod.
struct SimLink {
    explicit SimLink(sim::MeterOptions options = {},
                     std::chrono::microseconds pollPeriod = std::chrono::microseconds(3000),
                     sim::LinePacing pacing = {})
        : meter(std::move(options), pacing), link(port, host, TestLinkSettings(pollPeriod)) {
        std::string error;
        started = meter.Start(&error);
        EXPECT_TRUE(started) << error;
        link.SetPortName(meter.SlavePath());
    }
    ~SimLink() { meter.Stop(); }

    // Link state every way out must leave behind.
    void ExpectIdle() {
        EXPECT_FALSE(port.IsOpen());
        EXPECT_FALSE(host.flags.busyFlag);
        EXPECT_FALSE(host.flags.runFlag);
    }

    ScratchFolder dir;
    FakeHost host;
    sim::MeterSim meter;
    SerialPort port;
    MeterLink link;
    bool started = false;
};

}  // namespace velmora::testing
