#include "session/UserData.h"

#include <cstdlib>
#include <filesystem>

#include "core/TextMark.h"
#include "core/Utf8Path.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCannotCopySample =
    VELMORA_TR_NOOP("Core", "Cannot copy the sample table into %1.");

}  // namespace

std::string UserDataFolder(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return (fs::path(xdgDataHome) / "velmora").string();
    }
    if (home != nullptr && home[0] == '/') {
        return (fs::path(home) / ".local" / "share" / "velmora").string();
    }
    return {};
}

std::string SystemUserDataFolder() {
#ifdef _WIN32
    // Wide, so a user name outside the ANSI code page comes through as UTF-8.
    const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
    if (local == nullptr || local[0] == L'\0') return {};
    return Utf8FromPath(fs::path(local) / "velmora");
#else
    return UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
#endif
}

bool EnsureUserDataFolder(const std::string& folder, bool* created, std::string* error) {
    *created = false;
    if (folder.empty()) {
        *error = "No data folder: neither XDG_DATA_HOME nor HOME is set.";
        return false;
    }
    const fs::path path = PathFromUtf8(folder);
    std::error_code ec;
    if (fs::is_directory(path, ec)) return true;
    *created = fs::create_directories(path, ec);
    if (ec || !fs::is_directory(path, ec)) {
        *created = false;
        *error = FillText(VELMORA_TR_NOOP("Core", "Cannot create the data folder %1: %2"),
                          {folder, ec ? ec.message()
                                      : VELMORA_TR_NOOP("Core",
                                                        "a file of that name is in the way")});
        return false;
    }
    return true;
}

std::string LocalUnitsPath() {
    std::string folder = SystemUserDataFolder();
    bool created = false;
    std::string error;
    if (folder.empty() || !EnsureUserDataFolder(folder, &created, &error)) return {};
    return folder + "/units.sqlite";
}

std::string FindSampleTable(const std::vector<std::string>& candidates) {
    for (const std::string& c : candidates) {
        std::error_code ec;
        if (fs::is_regular_file(PathFromUtf8(c), ec)) return c;
    }
    return {};
}

bool CopySampleTable(const std::string& sample, const std::string& folder, std::string* error) {
    const fs::path target = PathFromUtf8(folder) / kSampleTableName;
    std::error_code ec;
    if (fs::exists(target, ec)) return true;
    // Copied beside the target, then renamed: a full disk leaves no half table.
    const fs::path partial = PathFromUtf8(folder) / (std::string(".") + kSampleTableName + ".part");
    if (!fs::copy_file(PathFromUtf8(sample), partial, fs::copy_options::overwrite_existing, ec) || ec) {
        fs::remove(partial, ec);
        *error = FillText(kCannotCopySample, {folder});
        return false;
    }
    fs::rename(partial, target, ec);
    if (ec) {
        fs::remove(partial, ec);
        *error = FillText(kCannotCopySample, {folder});
        return false;
    }
    return true;
}

bool TakeOverHistory(const std::string& oldHistory, const std::string& newHistory) {
    std::error_code ec;
    const fs::path from = PathFromUtf8(oldHistory);
    const fs::path to = PathFromUtf8(newHistory);
    if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) return false;
    if (!to.parent_path().empty()) fs::create_directories(to.parent_path(), ec);
    return fs::copy_file(from, to, ec) && !ec;
}

}  // namespace velmora
