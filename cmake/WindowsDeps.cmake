# The libraries of the Windows build, as targets of the names find_package
# gives on Linux. scripts/windows unpacks Debian's sources into
# VELMORA_WINDOWS_DEPS: pugixml and SQLite are compiled here; nlohmann-json is
# headers only; zlib is Debian's MinGW build (libz-mingw-w64-dev).
set(VELMORA_WINDOWS_DEPS "" CACHE PATH "Folder scripts/windows fills with the libraries' sources")
if(NOT IS_DIRECTORY "${VELMORA_WINDOWS_DEPS}/src/pugixml")
  message(FATAL_ERROR "VELMORA_WINDOWS_DEPS does not hold the libraries: run scripts/windows")
endif()

add_library(velmora_pugixml STATIC ${VELMORA_WINDOWS_DEPS}/src/pugixml/src/pugixml.cpp)
target_include_directories(velmora_pugixml SYSTEM PUBLIC ${VELMORA_WINDOWS_DEPS}/src/pugixml/src)
add_library(pugixml::pugixml ALIAS velmora_pugixml)

# The amalgamation, with the options of a program that opens its own files
# from several threads.
add_library(velmora_sqlite3 STATIC ${VELMORA_WINDOWS_DEPS}/sqlite3/sqlite3.c)
target_include_directories(velmora_sqlite3 SYSTEM PUBLIC ${VELMORA_WINDOWS_DEPS}/sqlite3)
target_compile_definitions(velmora_sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION
                           SQLITE_DQS=0 SQLITE_DEFAULT_FOREIGN_KEYS=1)
target_compile_options(velmora_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS velmora_sqlite3)

# libpq with the two libraries of PostgreSQL it is linked with, and the
# Windows libraries it calls (sockets, the user's folder, SSPI).
add_library(velmora_libpq INTERFACE)
target_include_directories(velmora_libpq SYSTEM INTERFACE ${VELMORA_WINDOWS_DEPS}/libpq/include)
target_link_libraries(velmora_libpq INTERFACE ${VELMORA_WINDOWS_DEPS}/libpq/lib/libpq.a
  ${VELMORA_WINDOWS_DEPS}/libpq/lib/libpgcommon_shlib.a ${VELMORA_WINDOWS_DEPS}/libpq/lib/libpgport_shlib.a
  shell32 ws2_32 secur32)
add_library(PostgreSQL::PostgreSQL ALIAS velmora_libpq)

add_library(velmora_nlohmann_json INTERFACE)
target_include_directories(velmora_nlohmann_json SYSTEM INTERFACE ${VELMORA_WINDOWS_DEPS}/include)
add_library(nlohmann_json::nlohmann_json ALIAS velmora_nlohmann_json)

# The static library, so the .exe needs no zlib1.dll.
find_library(ZLIB_LIBRARY_RELEASE NAMES libz.a REQUIRED)
find_package(ZLIB REQUIRED)
