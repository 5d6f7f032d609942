# Cross toolchain for a 64-bit build of the Windows layer.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZORVANE_TRIPLE x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
