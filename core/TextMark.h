#pragma once

// Marks a text the core hands to the window, so that the translators' tool
// (lupdate, told to read VELMORA_TR_NOOP as QT_TRANSLATE_NOOP) collects it.
// The core keeps its English text; the window translates it when it shows it
// (app/CoreText.*). A text that carries values is marked as its template with
// %1, %2, ... and filled with FillText, so the window can find the template
// again and fill the translated one with the same values.
#define VELMORA_TR_NOOP(context, text) text

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

// Replaces %1..%9 in templ by values[0..8]; any other '%' stays as it is.
std::string FillText(std::string_view templ, std::initializer_list<std::string_view> values);

}  // namespace velmora
