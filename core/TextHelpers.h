// Text helpers shared by every layer: the UTF-8 checks, name bytes shown as
// UTF-8, and bytes written as hex. Names and values come from files, the
// meter and device paths as bytes in any code page; each spot that shows or
// exports them has its own needs, but one reading of what is UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Length of the well-formed UTF-8 sequence at the start of s; 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view s);

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool IsUtf8(std::string_view bytes);

// The bytes as UTF-8, each byte that is not part of a well-formed sequence
// replaced by U+FFFD.
std::string Utf8WithReplacements(std::string_view bytes);

// A name as the window shows it, as UTF-8: the bytes themselves when they are
// UTF-8, otherwise each byte as its Latin-1 character. Control characters
// become '?' so the text stays on one line.
std::string NameAsShown(std::string_view bytes);

// Where to cut text so that no more than limit bytes stay and no character
// is left in half: limit, moved back over continuation bytes. May be 0.
std::size_t Utf8CutBefore(std::string_view text, std::size_t limit);

enum class HexCase { Lower, Upper };

// Two hex digits per byte, the separator between them: "007fff", "00 7f ff".
std::string HexText(std::string_view bytes, std::string_view separator = {},
                    HexCase letters = HexCase::Lower);

}  // namespace velmora
