// The history file remembers the database paths the user opened or saved;
// the last usable line names the file loaded at start-up.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "session/Session.h"

namespace velmora {

namespace {

constexpr std::size_t kPathBuffer = 512;
// "YYYY-MM-DD hh:mm:ss " precedes the path on every line.
constexpr std::size_t kStampLength = 20;
// Shorter pieces (line end counted once) cannot hold a path worth loading.
constexpr std::size_t kShortestUsedPiece = 26;

}  // namespace

void AppendHistory(const std::string& historyFile, const std::string& path) {
    if (path.empty() || path.size() >= kPathBuffer) return;
    // The user's data folder is made when the first table is remembered.
    const std::filesystem::path folder = std::filesystem::path(historyFile).parent_path();
    std::error_code ec;
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    std::FILE* f = std::fopen(historyFile.c_str(), "ab");
    if (f == nullptr) return;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::fprintf(f, "%04d-%02d-%02d %02d:%02d:%02d %s\r\n", local.tm_year + 1900, local.tm_mon + 1,
                 local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, path.c_str());
    std::fclose(f);
}

std::string ReadLastPath(const std::string& historyFile) {
    std::string result;
    std::FILE* f = std::fopen(historyFile.c_str(), "rb");
    if (f == nullptr) return result;
    char piece[kPathBuffer];
    while (std::fgets(piece, sizeof piece, f) != nullptr) {
        std::size_t length = std::strlen(piece);
        // The file is written with "\r\n"; like a text-mode read, that pair
        // counts as one line-end character.
        std::size_t counted = length;
        if (length >= 2 && piece[length - 2] == '\r' && piece[length - 1] == '\n') counted -= 1;
        if (counted < kShortestUsedPiece) continue;
        result.assign(piece + kStampLength, length - kStampLength);
    }
    std::fclose(f);
    while (!result.empty() && static_cast<unsigned char>(result.back()) <= 32) result.pop_back();
    return result;
}

}  // namespace velmora
