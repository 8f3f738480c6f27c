// Satellite names and file paths are bytes. They are shown decoded as UTF-8
// where that is valid and as Latin-1 otherwise (which maps every byte), and
// showing them never changes the stored bytes.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

QString DisplayText(std::string_view bytes);

// The text as UTF-8, cut to at most maxBytes without splitting a character.
std::string Utf8Cut(const QString& text, std::size_t maxBytes);

}  // namespace velmora
