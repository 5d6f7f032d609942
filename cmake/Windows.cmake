# The Windows half, cross-built with MinGW-w64. Its test programs run under Wine in a
# private prefix with an Xvfb display of its own, prepared once per test run by a fixture.
set(ZORVANE_WINE_STATE_DIR "${CMAKE_BINARY_DIR}/wine-run" CACHE PATH "Per-run Wine prefix and display state")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh;${ZORVANE_WINE_STATE_DIR}")

# Only Windows system DLLs at run time: the C++ runtime and winpthread go in statically.
# ASLR and DEP on, as every modern Windows binary.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--dynamicbase -Wl,--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-Wl,--high-entropy-va)
endif()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

enable_testing()
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)

include(cmake/Widl.cmake)
add_subdirectory(src/addin/office)
add_subdirectory(src/ribbon)
add_subdirectory(src/settings)
add_subdirectory(src/dialogs)
add_subdirectory(src/addin)
add_subdirectory(tools)
add_subdirectory(bench)
add_subdirectory(tests/wine)
