# The programs that ship (Kelvarin.exe, KelvarinLoopback.exe,
# The programs that ship (Kelvarin.exe, the console programs, the simulated
# port library, portsim.exe)
# are built by the -win32 compilers of this build's architecture in a tree of
# their own (shipped/), since the -posix ones link a threads runtime that
# needs a later Windows than XP.
# They are copied into bin/ and imported under their own target names, so the
# tests run the very files the package holds.
include(ExternalProject)
set(shipped_tree ${CMAKE_BINARY_DIR}/shipped)
set(shipped_files Kelvarin.exe KelvarinLoopback.exe KelvarinCapture.exe KelvarinPorts.exe
    KelvarinId.exe ${KELVARIN_PORT_LIBRARY}.dll portsim.exe)
list(TRANSFORM shipped_files PREPEND ${shipped_tree}/bin/ OUTPUT_VARIABLE shipped_built)
list(TRANSFORM shipped_files PREPEND ${CMAKE_BINARY_DIR}/bin/ OUTPUT_VARIABLE shipped_copies)
ExternalProject_Add(shipped_programs
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${shipped_tree}
    PREFIX ${shipped_tree}/external
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-${CMAKE_SYSTEM_PROCESSOR}-win32.cmake
               -DCMAKE_BUILD_TYPE=Release -DKELVARIN_SHIPPED_ONLY=ON
    INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different ${shipped_built} ${CMAKE_BINARY_DIR}/bin/
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${shipped_copies})

add_executable(Kelvarin IMPORTED GLOBAL)
add_executable(KelvarinLoopback IMPORTED GLOBAL)
add_executable(KelvarinCapture IMPORTED GLOBAL)
add_executable(KelvarinPorts IMPORTED GLOBAL)
add_executable(KelvarinId IMPORTED GLOBAL)
add_library(inpout32 UNKNOWN IMPORTED GLOBAL)
add_executable(portsim IMPORTED GLOBAL)
foreach(target Kelvarin KelvarinLoopback KelvarinCapture KelvarinPorts KelvarinId inpout32 portsim)
    list(POP_FRONT shipped_copies file)
    set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${file})
    add_dependencies(${target} shipped_programs)
endforeach()
