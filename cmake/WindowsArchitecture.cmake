# What differs between the 32-bit (i686) and the 64-bit (x86_64) Windows
# builds of the same sources. What ships is the 32-bit build; the 64-bit one
# serves hosts whose Wine runs no 32-bit programs.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    # A 64-bit program cannot load a 32-bit DLL: the 64-bit port libraries of
    # this family carry this name, with the same exports.
    set(KELVARIN_PORT_LIBRARY inpoutx64)
    # 64-bit Windows refuses a program whose manifest names another
    # architecture (a side-by-side configuration error).
    set(KELVARIN_MANIFEST_ARCH amd64)
    # The first 64-bit Windows (XP x64, Server 2003) is version 5.2.
    set(KELVARIN_PE_VERSION_MINOR 2)
else()
    set(KELVARIN_PORT_LIBRARY inpout32)
    set(KELVARIN_MANIFEST_ARCH x86)
    set(KELVARIN_PE_VERSION_MINOR 1)
endif()
# The library's name reaches the code and the resource scripts as a bare
# token (windres loses the quotes of a string): port/PortLibraryFile.h.
add_compile_definitions(KELVARIN_PORT_LIBRARY=${KELVARIN_PORT_LIBRARY})

# port_library_named(TARGET) names a port library DLL exactly as the program
# looks for it, with the undecorated export names Inp32 and Out32 (on x86_64
# there are no decorations to remove).
function(port_library_named target)
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${KELVARIN_PORT_LIBRARY})
    target_link_options(${target} PRIVATE -Wl,--kill-at)
endfunction()
