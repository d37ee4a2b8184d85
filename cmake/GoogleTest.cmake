# GoogleTest: the installed package natively; built from Debian's source
# package for the cross build, where no i686 binaries exist.
include(GoogleTest)
if(CMAKE_CROSSCOMPILING)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

# kelvarin_add_gtest(NAME SOURCES... [LIBS libs...] [WINE_GUI]) adds a GoogleTest
# program and registers its tests with CTest. Under Wine every test needs the
# Wine session fixture; WINE_GUI tests also share the one display. A Windows
# tree for a host that cannot run its programs (KELVARIN_WINE_TESTS off)
# builds the test programs but registers none of their tests: discovering
# them runs the programs.
function(kelvarin_add_gtest name)
    cmake_parse_arguments(ARG "WINE_GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    if(CMAKE_CROSSCOMPILING AND NOT KELVARIN_WINE_TESTS)
        return()
    endif()
    set(props)
    if(CMAKE_CROSSCOMPILING)
        list(APPEND props FIXTURES_REQUIRED wine)
        if(ARG_WINE_GUI)
            list(APPEND props RESOURCE_LOCK display)
        endif()
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 TEST_PREFIX "${name}." PROPERTIES ${props})
endfunction()
