# The native half: the portable core under GoogleTest (optionally with sanitizers),
# plus the cross sub-build of the Windows layer and its Wine tests.
option(ZORVANE_SANITIZE "Build the native core and tests with ASan and UBSan" OFF)
option(ZORVANE_WINDOWS "Cross-build the Windows layer and run its tests under Wine" ON)
set(ZORVANE_WINDOWS_TOOLCHAIN "${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake"
    CACHE FILEPATH "Toolchain file of the Windows sub-build")

if(ZORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

add_subdirectory(src/ribbon)
add_subdirectory(src/settings)
add_subdirectory(src/check)
add_subdirectory(tests/unit)
if(NOT ZORVANE_SANITIZE)
  add_subdirectory(tests/fuzz)  # sanitizers of its own
endif()

if(ZORVANE_WINDOWS)
  include(ExternalProject)
  set(ZORVANE_WIN_BINARY_DIR "${CMAKE_BINARY_DIR}/windows")
  ExternalProject_Add(windows
    SOURCE_DIR "${CMAKE_SOURCE_DIR}"
    BINARY_DIR "${ZORVANE_WIN_BINARY_DIR}"
    CMAKE_GENERATOR "${CMAKE_GENERATOR}"
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${ZORVANE_WINDOWS_TOOLCHAIN}
      -DCMAKE_BUILD_TYPE=Release
      -DZORVANE_WINE_STATE_DIR=${CMAKE_BINARY_DIR}/wine-run
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  # Runs the sub-build's tests (registered there with Wine as the emulator) from this ctest.
  file(WRITE "${CMAKE_BINARY_DIR}/windows-tests.cmake" "subdirs(\"${ZORVANE_WIN_BINARY_DIR}\")\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${CMAKE_BINARY_DIR}/windows-tests.cmake")
endif()
