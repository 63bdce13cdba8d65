# Cross toolchain for the 64-bit Windows build of the same sources (MinGW-w64, posix threads).
# The product is the 32-bit build; this one runs the tests where 32-bit code cannot run.
set(QUELVAR_MINGW_ARCH x86_64)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
