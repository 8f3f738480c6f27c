// UTF-8 text to and from Windows' UTF-16, for the wide-character file and
// device APIs: every path the program takes or shows is UTF-8.
#pragma once

#ifdef _WIN32

#include <string>

namespace velmora {

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
// The system's message for a Win32 error code, without its line end.
std::string WindowsErrorText(unsigned long code);

}  // namespace velmora

#endif
