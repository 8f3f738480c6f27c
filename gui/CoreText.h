#pragma once

// The core builds its texts in English (db/TextMark.h); the window shows them
// in the user's language. A text is looked up whole first; a text with values
// in it is matched against the marked templates, and its values are put into
// the translated template. A text no translation knows is shown as it is.

#include <QString>
#include <QStringList>
#include <string>

namespace velmora {

QString CoreText(const std::string& text);
QString CoreText(const char* text);

// The templates CoreText matches, as the core marks them.
QStringList CoreTemplates();

}  // namespace velmora
