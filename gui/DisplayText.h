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

// A value of Latin letters and numbers (a satellite label such as
// "[1] 19.2E Astra") as a right-to-left window shows it: between left-to-right
// marks, so the bidi rules keep its parts in their own order instead of moving
// the number in brackets to the far end. Unchanged in a left-to-right window.
// Only for texts shown and never read back: a text the user edits, stores or
// compares must not carry the marks.
QString ShownLeftToRight(const QString& text);

// The text as UTF-8, cut to at most maxBytes without splitting a character.
std::string Utf8Cut(const QString& text, std::size_t maxBytes);

}  // namespace velmora
