# Cross toolchain for the 32-bit Windows build, the product (MinGW-w64, posix threads).
set(QUELVAR_MINGW_ARCH i686)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
