# What both MinGW-w64 toolchains share; the including file sets ZORVANE_TRIPLE first.
# The win32 thread model: the runtime's threading sits directly on Windows. The posix model
# links winpthreads in statically, which takes a TLS index and a thread and event handle at
# each load of the DLL and never gives them back, so a host that loads and unloads the
# add-in runs out of TLS indexes and dies. This model has no std::thread (GCC 12): tests
# use support/joining_thread.h. Everything links statically, so the binaries depend on
# Windows system DLLs only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ZORVANE_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${ZORVANE_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${ZORVANE_TRIPLE}-windres)
set(ZORVANE_WIDL ${ZORVANE_TRIPLE}-widl)
set(CMAKE_FIND_ROOT_PATH /usr/${ZORVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
