# What both MinGW-w64 toolchains share; the including file sets ZORVANE_TRIPLE first.
# The posix thread model lets GoogleTest build; everything links statically, so the
# binaries depend on Windows system DLLs only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ZORVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVANE_TRIPLE}-windres)
set(ZORVANE_WIDL ${ZORVANE_TRIPLE}-widl)
set(CMAKE_FIND_ROOT_PATH /usr/${ZORVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
