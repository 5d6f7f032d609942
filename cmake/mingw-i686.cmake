# Cross toolchain for the 32-bit Windows layer (MinGW-w64 from Debian's packages).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZORVANE_TRIPLE i686-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
