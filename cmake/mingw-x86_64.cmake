# Cross toolchain for the 64-bit Windows test build (x86_64-w64-mingw32), for
# hosts whose Wine runs no 32-bit programs; -posix for GoogleTest, as on i686.
set(KELVARIN_MINGW_ARCH x86_64)
set(KELVARIN_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
