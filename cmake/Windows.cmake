# The Windows half, cross-built with MinGW-w64. Its test programs run under Wine in a
# private prefix with an Xvfb display of its own, prepared once per test run by a fixture.
# CMake keeps the compiler a build folder was first configured with, whatever the toolchain
# file says later. A folder from before the switch to the win32 thread model would still
# build a DLL that leaks at every load; say so rather than build it.
if(NOT CMAKE_CXX_COMPILER MATCHES "-win32$")
  message(FATAL_ERROR "${CMAKE_BINARY_DIR} was configured with ${CMAKE_CXX_COMPILER}; the Windows "
                      "layer builds with the win32 thread model now. Delete the build folder that holds it "
                      "(build/default or build/windows-x64) and build again.")
endif()

set(ZORVANE_WINE_STATE_DIR "${CMAKE_BINARY_DIR}/wine-run" CACHE PATH "Per-run Wine prefix and display state")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh;${ZORVANE_WINE_STATE_DIR}")

# Only Windows system DLLs at run time: the C++ runtime goes in statically.
# ASLR and DEP on, as every modern Windows binary.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--dynamicbase -Wl,--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-Wl,--high-entropy-va)
endif()
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# Small binaries: the add-in's cost is its load, not its speed (its callbacks measure within
# their floor either way). Each function and datum in a section of its own, so that the
# linker drops whatever nothing reaches, our code and the static runtime's alike.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

# Everything linked into Zorvane.dll is built without exceptions: failures are HRESULTs and
# allocations go through the nothrow owners of src/common, so none of the runtime's exception
# machinery (its unwinder registration, per-thread emulated storage, emergency pool) is linked
# into a module that hosts load and unload. Nor the guards of function-local statics: the
# add-in has none with a dynamic initialiser. The check program and the tests keep exceptions.
set(ZORVANE_NOTHROW -fno-exceptions $<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics>)

enable_testing()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
# GoogleTest's one use of std::mutex (absent from the win32 thread model) is replaced
# through its platform hook, found ahead of its own empty one.
foreach(target gtest gtest_main)
  target_include_directories(${target} BEFORE PUBLIC "$<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/tests/wine/gtest_port>")
endforeach()

include(cmake/Widl.cmake)
add_subdirectory(src/addin/office)
add_subdirectory(src/ribbon)
add_subdirectory(src/settings)
add_subdirectory(src/dialogs)
add_subdirectory(src/addin)
add_subdirectory(src/check)
add_subdirectory(tools)
add_subdirectory(bench)
add_subdirectory(tests/wine)
