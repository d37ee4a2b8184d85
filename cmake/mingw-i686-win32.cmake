# Cross toolchain for the programs that ship: the -win32 thread model needs no
# winpthreads, whose static copy imports functions Windows XP lacks
# (GetTickCount64).
set(KELVARIN_MINGW_ARCH i686)
set(KELVARIN_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
