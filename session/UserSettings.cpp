#include "session/UserSettings.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/Utf8Path.h"

namespace velmora {

namespace {

std::string Trimmed(const std::string& text) {
    const char* kSpace = " \t\r";
    std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// "a \"b\"" -> a "b"; the window's settings escape a quote and a backslash.
std::string Unquoted(const std::string& value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return value;
    std::string plain;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size()) ++i;
        plain += value[i];
    }
    return plain;
}

}  // namespace

std::string UserSettingsPath(const char* xdgConfigHome, const char* home) {
    namespace fs = std::filesystem;
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/')
        return (fs::path(xdgConfigHome) / "velmora" / "velmora.conf").string();
    if (home != nullptr && home[0] == '/')
        return (fs::path(home) / ".config" / "velmora" / "velmora.conf").string();
    return {};
}

std::string IniValue(const std::string& text, const std::string& group, const std::string& key) {
    std::istringstream lines(text);
    bool inGroup = false;
    for (std::string line; std::getline(lines, line);) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[') {
            inGroup = line == "[" + group + "]";
            continue;
        }
        std::size_t equals = line.find('=');
        if (inGroup && equals != std::string::npos && Trimmed(line.substr(0, equals)) == key)
            return Unquoted(Trimmed(line.substr(equals + 1)));
    }
    return {};
}

std::string SettingsValue(const std::string& path, const std::string& group,
                          const std::string& key) {
    if (path.empty()) return {};
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) return {};
    return IniValue(std::string(std::istreambuf_iterator<char>(in), {}), group, key);
}

}  // namespace velmora
