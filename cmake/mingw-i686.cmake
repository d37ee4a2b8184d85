# Cross toolchain for the 32-bit Windows test build (i686-w64-mingw32).
# The -posix compilers are needed for the tests: GoogleTest uses std::mutex,
# which the -win32 thread model lacks. What ships is built with the -win32
# ones (cmake/mingw-i686-win32.cmake).
set(KELVARIN_MINGW_ARCH i686)
set(KELVARIN_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
