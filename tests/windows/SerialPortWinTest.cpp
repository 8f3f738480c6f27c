// The Win32 port against a scripted PortSystem: the settings it asks for, and
// the failures a pseudo-terminal under Wine or a port held elsewhere bring.
#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "serial/PortNames.h"
#include "serial/SerialPort.h"

namespace velmora {
namespace {

class ScriptedSystem : public PortSystem {
public:
    HANDLE OpenDevice(const std::string& path, DWORD* error) override {
        opened.push_back(path);
        if (openError != ERROR_SUCCESS) {
            *error = openError;
            return INVALID_HANDLE_VALUE;
        }
        // Any handle will do: reads on an event fail, which the receive
        // thread takes as a port gone and then waits for Close.
        *error = ERROR_SUCCESS;
        return ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    bool GetState(HANDLE, DCB* dcb) override {
        *dcb = DCB{};
        dcb->DCBlength = sizeof *dcb;
        dcb->fDtrControl = DTR_CONTROL_ENABLE;
        dcb->fOutxCtsFlow = TRUE;
        dcb->fOutX = TRUE;
        return true;
    }
    bool SetState(HANDLE, DCB* dcb) override {
        states.push_back(*dcb);
        return setStateWorks;
    }
    bool SetTimeouts(HANDLE, COMMTIMEOUTS* t) override {
        timeouts = *t;
        return true;
    }
    // As on a pseudo-terminal under Wine: error 50 for the modem lines.
    bool Escape(HANDLE, DWORD function) override {
        escapes.push_back(function);
        return false;
    }
    bool Purge(HANDLE, DWORD) override { return true; }

    DWORD openError = ERROR_SUCCESS;
    bool setStateWorks = true;
    std::vector<std::string> opened;
    std::vector<DCB> states;
    std::vector<DWORD> escapes;
    COMMTIMEOUTS timeouts{};
};

void ExpectFraming(const DCB& dcb, BYTE parity, BYTE stopBits) {
    EXPECT_EQ(dcb.BaudRate, 115200u);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, parity);
    EXPECT_EQ(dcb.StopBits, stopBits);
    EXPECT_TRUE(dcb.fBinary);
    // No flow control, and the modem lines are not left to the DCB: a port
    // without them fails SetCommState with DTR_CONTROL_ENABLE.
    EXPECT_EQ(dcb.fDtrControl, static_cast<DWORD>(DTR_CONTROL_DISABLE));
    EXPECT_EQ(dcb.fRtsControl, static_cast<DWORD>(RTS_CONTROL_DISABLE));
    EXPECT_FALSE(dcb.fOutxCtsFlow);
    EXPECT_FALSE(dcb.fOutxDsrFlow);
    EXPECT_FALSE(dcb.fOutX);
    EXPECT_FALSE(dcb.fInX);
}

TEST(SerialPortWin, OpensAs8O2ThenSwitchesTo8E1AndIgnoresRefusedModemLines) {
    ScriptedSystem system;
    SerialPort port(system);
    ASSERT_TRUE(port.Open("com7")) << port.OpenFailureReason();
    EXPECT_EQ(system.opened, std::vector<std::string>{"\\\\.\\COM7"});
    ASSERT_EQ(system.states.size(), 1u);
    ExpectFraming(system.states[0], ODDPARITY, TWOSTOPBITS);
    EXPECT_EQ(system.escapes.front(), static_cast<DWORD>(SETDTR));
    // A read waits for its first byte without limit and ends on a pause
    // after it. An interval of MAXDWORD would make it return empty at once
    // on Windows, and the thread would spin.
    EXPECT_GT(system.timeouts.ReadIntervalTimeout, 0u);
    EXPECT_LT(system.timeouts.ReadIntervalTimeout, 10u);
    EXPECT_EQ(system.timeouts.ReadTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(system.timeouts.ReadTotalTimeoutConstant, 0u);
    EXPECT_GT(system.timeouts.WriteTotalTimeoutConstant, 0u);
    ASSERT_TRUE(port.ApplyBootloaderFraming());
    ExpectFraming(system.states.back(), EVENPARITY, ONESTOPBIT);
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.Receiving());
}

TEST(SerialPortWin, RefusalsAreNamedAsTheUserKnowsThePort) {
    struct Case {
        DWORD error;
        int errnoValue;
        const char* reason;
    };
    const Case cases[] = {
        {ERROR_ACCESS_DENIED, EBUSY, "COM5 is in use by another program"},
        {ERROR_FILE_NOT_FOUND, ENOENT, "COM5"},
    };
    for (const Case& c : cases) {
        ScriptedSystem system;
        system.openError = c.error;
        SerialPort port(system);
        EXPECT_FALSE(port.Open("COM5"));
        EXPECT_EQ(port.OpenFailureErrno(), c.errnoValue);
        EXPECT_EQ(port.OpenFailureReason().rfind(c.reason, 0), 0u) << port.OpenFailureReason();
    }
}

TEST(SerialPortWin, AFramingTheDriverRefusesFailsTheOpen) {
    ScriptedSystem system;
    system.setStateWorks = false;
    SerialPort port(system);
    EXPECT_FALSE(port.Open("COM3"));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.TakeNotices().size(), 1u);
}

// Wine on a pseudo-terminal left at 8O2 by the last opening: the same
// settings again change only the parity enable, which the kernel refuses.
TEST(SerialPortWin, AFramingRefusedAsNoChangeIsSetThrough8N1) {
    class SameAgain : public ScriptedSystem {
        bool SetState(HANDLE h, DCB* dcb) override {
            const bool same = !states.empty() && states.back().Parity == dcb->Parity;
            ScriptedSystem::SetState(h, dcb);
            return !same;
        }
    } system;
    SerialPort port(system);
    ASSERT_TRUE(port.Open("COM3"));
    port.Close();
    system.states.clear();
    system.states.push_back(DCB{});
    system.states.back().Parity = ODDPARITY;
    ASSERT_TRUE(port.Open("COM3")) << port.OpenFailureReason();
    ASSERT_EQ(system.states.size(), 4u);
    EXPECT_EQ(system.states[2].Parity, NOPARITY);
    ExpectFraming(system.states[3], ODDPARITY, TWOSTOPBITS);
    EXPECT_TRUE(port.TakeNotices().empty());
}

TEST(PortNamesWin, ComNamesUpTo256OpenThroughTheDeviceNamespace) {
    const std::pair<const char*, const char*> cases[] = {
        {"COM1", "\\\\.\\COM1"},     {"com10", "\\\\.\\COM10"},   {"COM256", "\\\\.\\COM256"},
        {"\\\\.\\COM12", "\\\\.\\COM12"}, {"COM257", "COM257"},     {"COM0", "COM0"},
        {"COM05", "COM05"},          {"LPT1", "LPT1"},
    };
    for (const auto& [name, device] : cases) EXPECT_EQ(ResolvePortDevice(name), device) << name;
}

}  // namespace
}  // namespace velmora
