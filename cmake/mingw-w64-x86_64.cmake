# Cross-building velmora-cli.exe for 64-bit Windows with Debian's MinGW-w64
# (the posix thread model, so std::thread works), linked statically so the
# program needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELMORA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows 7 and later (ReplaceFileW, CancelIoEx, WinHTTP's options); Unicode
# APIs only.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE NOMINMAX
                        _POSIX_THREAD_SAFE_FUNCTIONS
                        WIN32_LEAN_AND_MEAN)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
