// Values taken from outside input (a file, a device name, a download) end up
// in messages shown on a terminal or in a message box. Control bytes there
// would act on the terminal (an escape sequence sets the title or clears the
// screen) or split the message, so they are shown escaped instead.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// What a message tells the user: something to know or act on (a failure, a
// warning), or that what they asked for succeeded. The window picks the
// box's icon by it; a terminal prints both alike.
enum class MessageKind { Notice, Success };

// The text with every C0 control byte, DEL, C1 control (raw or as UTF-8) and
// byte that is not part of well-formed UTF-8 written as \xHH; all else as it
// is. Escaping twice changes nothing more.
std::string EscapeControls(std::string_view text);

// The same for a whole message whose own lines are meant: line feeds stay.
// Values quoted in it must have been escaped with EscapeControls already.
std::string EscapeControlsKeepLines(std::string_view text);

}  // namespace velmora
