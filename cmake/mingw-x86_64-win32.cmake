# The 64-bit counterparts of the shipped programs, built as the 32-bit ones
# are (cmake/mingw-i686-win32.cmake), for the 64-bit test build.
set(KELVARIN_MINGW_ARCH x86_64)
set(KELVARIN_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
