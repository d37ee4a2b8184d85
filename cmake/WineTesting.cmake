# Tests of the Windows build run under Wine of the build's architecture, in a
# prefix of this build tree.
set(KELVARIN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

set(KELVARIN_WINE_SESSION ${CMAKE_SOURCE_DIR}/tools/wine-session.sh ${CMAKE_SYSTEM_PROCESSOR}
    ${KELVARIN_WINEPREFIX})
add_test(NAME wine_session_start COMMAND ${KELVARIN_WINE_SESSION} start)
add_test(NAME wine_session_stop COMMAND ${KELVARIN_WINE_SESSION} stop)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)

# A test puts the port library in the prefix's system folder, where every program
# of the prefix finds it, and removes it; this removes one that a crashed run
# left, before and after every run.
set(system_library ${KELVARIN_WINEPREFIX}/drive_c/windows/system32/${KELVARIN_PORT_LIBRARY}.dll)
add_test(NAME wine_system_library_removed_before COMMAND ${CMAKE_COMMAND} -E rm -f ${system_library})
add_test(NAME wine_system_library_removed_after COMMAND ${CMAKE_COMMAND} -E rm -f ${system_library})
set_tests_properties(wine_system_library_removed_before PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_system_library_removed_after PROPERTIES FIXTURES_CLEANUP wine)
