# The libraries of the WebAssembly build that Debian has no WebAssembly build
# of: zlib and pugixml are compiled here from their Debian sources, which
# scripts/web-sources fetched into VELMORA_WEB_SOURCES; nlohmann_json is
# header-only and taken from its Debian package's headers.
set(VELMORA_WEB_SOURCES "${CMAKE_BINARY_DIR}/../src" CACHE PATH
    "Folder holding the Debian sources of zlib and pugixml")
get_filename_component(web_src "${VELMORA_WEB_SOURCES}" ABSOLUTE)
if(NOT EXISTS "${web_src}/zlib/zlib.h" OR NOT EXISTS "${web_src}/pugixml/src/pugixml.cpp")
  message(FATAL_ERROR "zlib and pugixml sources missing in ${web_src}: run scripts/web-sources")
endif()

# The single-threaded build has no thread library; the rooms ask for one.
add_library(velmora_no_threads INTERFACE)
add_library(Threads::Threads ALIAS velmora_no_threads)

set(zlib_files adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast
    inflate inftrees trees uncompr zutil)
list(TRANSFORM zlib_files PREPEND "${web_src}/zlib/")
list(TRANSFORM zlib_files APPEND ".c")
add_library(velmora_zlib STATIC ${zlib_files})
target_include_directories(velmora_zlib SYSTEM PUBLIC "${web_src}/zlib")
target_compile_definitions(velmora_zlib PRIVATE HAVE_UNISTD_H HAVE_STDARG_H)
target_compile_options(velmora_zlib PRIVATE -w)
add_library(ZLIB::ZLIB ALIAS velmora_zlib)

add_library(velmora_pugixml STATIC "${web_src}/pugixml/src/pugixml.cpp")
target_include_directories(velmora_pugixml SYSTEM PUBLIC "${web_src}/pugixml/src")
add_library(pugixml::pugixml ALIAS velmora_pugixml)

# Only the json headers, not all of /usr/include, reach the compiler.
set(json_include "${CMAKE_BINARY_DIR}/json-include")
file(MAKE_DIRECTORY "${json_include}")
file(CREATE_LINK /usr/include/nlohmann "${json_include}/nlohmann" SYMBOLIC)
add_library(velmora_json INTERFACE)
target_include_directories(velmora_json SYSTEM INTERFACE "${json_include}")
add_library(nlohmann_json::nlohmann_json ALIAS velmora_json)
