// std::filesystem paths from and to the UTF-8 text every path of the program
// is kept in. A path made from a narrow string takes it, on Windows, in the
// ANSI code page, so "Zoë" would name another folder; through char8_t it
// stays UTF-8 everywhere.
#pragma once

#include <filesystem>
#include <string>

namespace velmora {

inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace velmora
