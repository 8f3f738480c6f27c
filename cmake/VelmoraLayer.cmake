# velmora_layer(NAME DEPS...): one static library from every .cpp of the
# calling folder except files named main*.cpp, which belong to executables,
# and the files the folder names in VELMORA_LAYER_SKIP.
function(velmora_layer name)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/main[^/]*\\.cpp$")
  foreach(skip IN LISTS VELMORA_LAYER_SKIP)
    list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/${skip})
  endforeach()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# velmora_test(NAME DEPS...): one GoogleTest program from every .cpp of the
# calling folder, registered with CTest test by test.
function(velmora_test name)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock)
  # Tests find committed samples through this; the environment of a
  # discovered test cannot carry a second variable past CMake's list split.
  target_compile_definitions(${name} PRIVATE VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
