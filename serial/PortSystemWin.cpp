#include "serial/PortSystem.h"

#include <initguid.h>
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cwctype>
#include <map>

#include "core/WideText.h"

namespace velmora {

namespace {

// "COM5" -> 5; 0 for anything else.
int ComNumber(const std::wstring& name) {
    if (name.size() < 4 || name.size() > 6 || std::towupper(name[0]) != L'C' ||
        std::towupper(name[1]) != L'O' || std::towupper(name[2]) != L'M')
        return 0;
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < L'0' || name[i] > L'9') return 0;
        n = n * 10 + (name[i] - L'0');
    }
    return n >= 1 && n <= 256 ? n : 0;
}

// The values of HARDWARE\DEVICEMAP\SERIALCOMM name the ports drivers made.
void AddRegistryPorts(std::map<int, std::string>& ports) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                        &key) != ERROR_SUCCESS)
        return;
    for (DWORD i = 0;; ++i) {
        wchar_t valueName[256];
        DWORD nameLength = 256;
        wchar_t data[64];
        DWORD dataBytes = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG r = ::RegEnumValueW(key, i, valueName, &nameLength, nullptr, &type,
                                       reinterpret_cast<BYTE*>(data), &dataBytes);
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r != ERROR_SUCCESS || type != REG_SZ) continue;
        data[dataBytes / sizeof(wchar_t)] = L'\0';
        if (int n = ComNumber(data); n > 0) ports.emplace(n, std::string());
    }
    ::RegCloseKey(key);
}

// What DOS device names say: Wine's dosdevices/comN links appear here even
// when no driver wrote them into SERIALCOMM.
void AddDosDevicePorts(std::map<int, std::string>& ports) {
    std::wstring names(65536, L'\0');
    const DWORD n = ::QueryDosDeviceW(nullptr, names.data(), static_cast<DWORD>(names.size()));
    for (std::size_t at = 0; at < n && names[at] != L'\0';) {
        const std::wstring name(names.c_str() + at);
        if (int number = ComNumber(name); number > 0) ports.emplace(number, std::string());
        at += name.size() + 1;
    }
}

// The friendly names of the Ports class ("USB-SERIAL CH340 (COM5)").
void AddAdapterNames(std::map<int, std::string>& ports) {
    HDEVINFO set = ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        HKEY key = ::SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE) continue;
        wchar_t portName[32] = {};
        DWORD bytes = sizeof portName - sizeof(wchar_t);
        DWORD type = 0;
        const bool named = ::RegQueryValueExW(key, L"PortName", nullptr, &type,
                                              reinterpret_cast<BYTE*>(portName), &bytes) ==
                               ERROR_SUCCESS && type == REG_SZ;
        ::RegCloseKey(key);
        const int n = named ? ComNumber(portName) : 0;
        if (n == 0) continue;
        wchar_t friendly[256] = {};
        std::string adapter;
        if (::SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_FRIENDLYNAME, nullptr,
                                                reinterpret_cast<BYTE*>(friendly),
                                                sizeof friendly - sizeof(wchar_t), nullptr)) {
            adapter = Utf8FromWide(friendly);
            // The name ends with the port it got, which the list shows anyway.
            const std::string suffix = " (COM" + std::to_string(n) + ")";
            if (adapter.size() > suffix.size() &&
                adapter.compare(adapter.size() - suffix.size(), suffix.size(), suffix) == 0)
                adapter.resize(adapter.size() - suffix.size());
        }
        ports[n] = adapter;
    }
    ::SetupDiDestroyDeviceInfoList(set);
}

}  // namespace

HANDLE PortSystem::OpenDevice(const std::string& path, DWORD* error) {
    // No sharing: a second opener, here or in another program, is refused
    // with ERROR_ACCESS_DENIED.
    HANDLE handle = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    *error = handle == INVALID_HANDLE_VALUE ? ::GetLastError() : ERROR_SUCCESS;
    return handle;
}

void PortSystem::CloseDevice(HANDLE handle) { ::CloseHandle(handle); }

bool PortSystem::GetState(HANDLE handle, DCB* dcb) { return ::GetCommState(handle, dcb) != 0; }

bool PortSystem::SetState(HANDLE handle, DCB* dcb) { return ::SetCommState(handle, dcb) != 0; }

bool PortSystem::SetTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts) {
    return ::SetCommTimeouts(handle, timeouts) != 0;
}

bool PortSystem::Escape(HANDLE handle, DWORD function) {
    return ::EscapeCommFunction(handle, function) != 0;
}

bool PortSystem::Purge(HANDLE handle, DWORD flags) { return ::PurgeComm(handle, flags) != 0; }

std::vector<ComPortEntry> PortSystem::ListPorts() {
    std::map<int, std::string> ports;
    AddRegistryPorts(ports);
    AddDosDevicePorts(ports);
    AddAdapterNames(ports);
    std::vector<ComPortEntry> list;
    for (auto& [number, adapter] : ports) list.push_back({number, adapter});
    return list;
}

PortSystem& PortSystem::Default() {
    static PortSystem system;
    return system;
}

}  // namespace velmora
