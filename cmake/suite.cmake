# Helpers that make the serial (C) and the PS/2 (P) build of every library,
# program and test from one source list.

set(TS_LETTERS C P)
set(TS_DELIVER_DIR ${CMAKE_BINARY_DIR}/deliver)

function(ts_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_compile_features(${target} PRIVATE cxx_std_17)
endfunction()

# Per-build compile settings: the one switch between the builds.
function(ts_build_settings target letter)
  if(letter STREQUAL "P")
    target_compile_definitions(${target} PRIVATE TS_BUILD_PS2=1)
  else()
    target_compile_definitions(${target} PRIVATE TS_BUILD_PS2=0)
  endif()
  ts_strict(${target})
endfunction()

# Precompiled headers of the cross builds, one per build and kind: the
# Windows headers for the programs' code, with GoogleTest's for the tests'.
# They take most of a file's compile time, so each is compiled once and
# reused; a header compiled with other settings is refused by the compiler,
# which stops the build (-Winvalid-pch, -Werror).
# Only headers without objects of their own (no <iostream>), so that the
# deliverables link exactly what they did without them.
set(TS_PCH_HEADERS <windows.h> <string> <vector> <cstdint> <cstring> <cstdio> <cstdlib>
                   <functional> <algorithm> <array> <utility> <map> <memory>)
# <name>_<letter>: a library of one empty file, there only to compile the
# headers (HEADERS) once with the build's settings and LIBS' usage.
function(ts_pch_target name letter)
  cmake_parse_arguments(A "" "" "HEADERS;LIBS" ${ARGN})
  set(empty ${CMAKE_BINARY_DIR}/pch_empty.cpp)
  if(NOT EXISTS ${empty})
    file(WRITE ${empty} "")
  endif()
  add_library(${name}_${letter} OBJECT ${empty})
  ts_build_settings(${name}_${letter} ${letter})
  target_link_libraries(${name}_${letter} PRIVATE ${A_LIBS})
  target_precompile_headers(${name}_${letter} PRIVATE ${A_HEADERS})
endfunction()

function(ts_precompiled_headers)
  foreach(letter ${TS_LETTERS})
    ts_pch_target(pch_program ${letter} HEADERS ${TS_PCH_HEADERS})
    ts_pch_target(pch_test ${letter} HEADERS ${TS_GTEST_NOTIFICATION} ${TS_PCH_HEADERS}
                  <gtest/gtest.h> LIBS gtest)
  endforeach()
endfunction()

# The host tests' precompiled header, per build: GoogleTest's and the
# library's of the list above.
function(ts_host_precompiled_headers)
  set(headers ${TS_PCH_HEADERS})
  list(REMOVE_ITEM headers <windows.h>)
  foreach(letter ${TS_LETTERS})
    ts_pch_target(pch_host_test ${letter} HEADERS ${headers} <gtest/gtest.h> LIBS gtest)
  endforeach()
endfunction()

# Gives a C++ target of one build the precompiled header of its kind (test
# when it uses GoogleTest); nothing in the host build, nor to a target with C
# sources (the headers are compiled as C++ only).
function(ts_use_pch target letter libs)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.c$")
  if(NOT TARGET pch_program_${letter} OR sources)
    return()
  endif()
  if(gtest IN_LIST libs)
    set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM pch_test_${letter})
  else()
    set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM pch_program_${letter})
  endif()
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
endfunction()

# Links <lib>_<letter> when such a per-build target exists, else <lib>.
function(ts_link target letter visibility)
  foreach(lib ${ARGN})
    if(TARGET ${lib}_${letter})
      target_link_libraries(${target} ${visibility} ${lib}_${letter})
    else()
      target_link_libraries(${target} ${visibility} ${lib})
    endif()
  endforeach()
endfunction()

# suite_library(<name> SOURCES ... [LIBS ...]) -> static libraries <name>_C and <name>_P
function(suite_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  foreach(letter ${TS_LETTERS})
    add_library(${name}_${letter} STATIC ${A_SOURCES})
    ts_build_settings(${name}_${letter} ${letter})
    target_include_directories(${name}_${letter} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    ts_link(${name}_${letter} ${letter} PUBLIC ${A_LIBS})
    ts_use_pch(${name}_${letter} ${letter} "${A_LIBS}")
  endforeach()
endfunction()

# suite_program(<role> SOURCES ... [LIBS ...]) -> KVD2KC<role>.exe and KVD2KP<role>.exe
# in the deliverables folder, each with the suite's version resource.
function(suite_program role)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  foreach(letter ${TS_LETTERS})
    set(t ${role}_${letter})
    # A small resource file per program names its file in the version
    # resource; quoting a define through windres' shell is not portable.
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${t}_version.rc)
    file(WRITE ${rc} "#define TS_FILE_NAME \"KVD2K${letter}${role}.exe\"\n"
                     "#include \"${TS_SOURCE_DIR}/common/version.rc\"\n")
    add_executable(${t} WIN32 ${A_SOURCES} ${rc} $<TARGET_OBJECTS:lean_runtime>)
    ts_build_settings(${t} ${letter})
    set_target_properties(${t} PROPERTIES OUTPUT_NAME KVD2K${letter}${role}
                                          RUNTIME_OUTPUT_DIRECTORY ${TS_DELIVER_DIR})
    ts_link(${t} ${letter} PRIVATE ${A_LIBS})
    ts_use_pch(${t} ${letter} "${A_LIBS}")
    # Deliverables ship without symbols, and without relocations: an EXE
    # loads at its preferred base, and Windows 2000 moves none. The link map
    # shows what they pull in.
    target_link_options(${t} PRIVATE -s -Wl,--disable-dynamicbase,--disable-reloc-section
                        -Wl,-Map=${CMAKE_CURRENT_BINARY_DIR}/${t}.map)
  endforeach()
endfunction()

# Environment of every test that runs under Wine; the 64-bit check build
# runs in a 64-bit prefix through wine64. The tools that make prefixes of
# their own (the gallery, the life cycle) replace WINEPREFIX.
set(TS_WINE_ENV
    WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml=
    TS_DELIVER_DIR=${TS_DELIVER_DIR})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  list(APPEND TS_WINE_ENV TS_WINE=${CMAKE_CROSSCOMPILING_EMULATOR} WINEARCH=win64)
endif()
# The same for what prepares prefixes outside CTest (tools/setup-prefix.sh
# --template), a setting a line.
string(REPLACE ";" "\n" wine_env_lines "${TS_WINE_ENV}")
file(WRITE ${CMAKE_BINARY_DIR}/wine.env "${wine_env_lines}\n")

# The shared prefix of a build's tests (build/<preset>/prefix-<letter>): the
# serial and the PS/2 build's tests share nothing, so each build has its own
# and the two chains run side by side.
function(ts_shared_prefix_env letter out)
  set(${out} WINEPREFIX=${CMAKE_BINARY_DIR}/prefix-${letter} ${TS_WINE_ENV} PARENT_SCOPE)
endfunction()

# A Wine test counts as two of CTest's processors: scripts/wine-tests.sh
# allows two per test it runs at once, and one more, so that a test that
# mostly waits out the programs' designed pauses (PROCESSORS 1) runs beside
# them.
set(TS_WINE_TEST_SLOTS 2)

# Marks a CTest test of build <letter> as one that runs in its build's shared
# Wine prefix: label win (in-process) or e2e (a black-box scenario, named so),
# with a time limit that lets a hang cost minutes. A shared prefix's tests run
# one at a time and take longest together, so a free slot goes to them first
# (the highest cost); the tests in prefixes of their own fill the others,
# the longest first: their cost is about their seconds on a loaded machine.
function(ts_wine_test_properties test letter)
  if(test MATCHES "e2e")
    set(label e2e)
    set(limit 300)
  else()
    set(label win)
    set(limit 120)
  endif()
  ts_shared_prefix_env(${letter} env)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT "${env}"
    FIXTURES_REQUIRED wine_prefix_${letter}
    RESOURCE_LOCK wine_prefix_${letter}
    LABELS ${label}
    TIMEOUT ${limit}
    PROCESSORS ${TS_WINE_TEST_SLOTS}
    COST 100)
endfunction()

# suite_win_test(<name> SOURCES ... [LIBS ...] [OWN_PREFIX <letters>]) -> a
# GoogleTest program per build, each run by CTest through Wine as <name>_C and
# <name>_P. OWN_PREFIX names the builds whose program runs in a throwaway
# prefix of its own: one that restarts Windows, or a long one that would
# hold up its build's shared prefix.
function(suite_win_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS;OWN_PREFIX" ${ARGN})
  foreach(letter ${TS_LETTERS})
    set(t ${name}_${letter})
    # The runtime pieces the deliverables ship with, so that a test runs what ships.
    add_executable(${t} ${A_SOURCES} $<TARGET_OBJECTS:lean_runtime> $<TARGET_OBJECTS:testmain>)
    ts_build_settings(${t} ${letter})
    ts_link(${t} ${letter} PRIVATE ${A_LIBS} testkit gtest)
    ts_use_pch(${t} ${letter} gtest)
    if(letter IN_LIST A_OWN_PREFIX)
      add_test(NAME ${t}
               COMMAND ${TS_SOURCE_DIR}/tests/e2e/own-prefix.sh ${CMAKE_BINARY_DIR}/prefix-${t}
                       ${CMAKE_BINARY_DIR} $<TARGET_FILE:${t}> --gtest_color=no)
      # Its prefix is its own: it runs beside the shared prefixes' tests.
      ts_wine_test_properties(${t} ${letter})
      set_tests_properties(${t} PROPERTIES FIXTURES_REQUIRED "" RESOURCE_LOCK ${t} COST 15)
    else()
      add_test(NAME ${t} COMMAND ${t} --gtest_color=no)
      ts_wine_test_properties(${t} ${letter})
    endif()
  endforeach()
endfunction()

# suite_host_test(<name> SOURCES ... [LIBS ...]) -> a native GoogleTest program
# per build, its cases listed in CTest as <name>_<letter>.<case>.
function(suite_host_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  foreach(letter ${TS_LETTERS})
    set(t ${name}_${letter})
    add_executable(${t} ${A_SOURCES})
    ts_build_settings(${t} ${letter})
    target_include_directories(${t} PRIVATE ${TS_SOURCE_DIR}/common ${TS_SOURCE_DIR}/driver)
    ts_link(${t} ${letter} PRIVATE ${A_LIBS} gtest gtest_main)
    set_target_properties(${t} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM pch_host_test_${letter})
    gtest_discover_tests(${t} TEST_PREFIX "${t}." DISCOVERY_TIMEOUT 30
                         PROPERTIES LABELS host TIMEOUT 60)
  endforeach()
endfunction()
