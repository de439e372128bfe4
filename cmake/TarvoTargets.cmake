# Helpers that say what kind of code a target is: portable (built natively and
# into the programs, never includes <windows.h>) or Win32 (the programs only).

include(GoogleTest)

macro(tarvo_use_googletest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(TARVO_WIN32)
    # Wine runs the test programs; the wrapper gives each build its own prefix
    # per Wine, and TARVO_WINE at test time chooses the Wine.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${CMAKE_BINARY_DIR})
  endif()
endmacro()

# A static library of portable code. Its sources are recorded so that a test
# can check that none of them includes <windows.h>.
function(tarvo_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  foreach(src IN LISTS ARGN)
    get_filename_component(abs ${src} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY TARVO_PORTABLE_SOURCES ${abs})
  endforeach()
endfunction()

# A static library of Win32 code (built only for the programs).
function(tarvo_win32_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# A GoogleTest program of portable code, run natively (label "native").
function(tarvo_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(TARVO_WIN32 OR TARVO_FUZZ)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  gtest_discover_tests(${name} PROPERTIES LABELS native)
endfunction()

# A GoogleTest program run under Wine (label "wine"). LOCK names the
# resources the tests share across the prefix (clipboard, DDE service, ...).
function(tarvo_wine_test name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS;LOCK" ${ARGN})
  if(NOT TARVO_WIN32)
    return()
  endif()
  if(NOT T_LABEL)
    set(T_LABEL wine)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  if(NOT TARVO_RUN_WINE_TESTS)
    return()  # built to prove it compiles
  endif()
  set(props LABELS ${T_LABEL})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 DISCOVERY_MODE PRE_TEST
                       PROPERTIES ${props})
  if(T_LOCK)
    # Set after discovery: PROPERTIES would flatten several locks into
    # separate words and keep only the first.
    set(lock_file "${CMAKE_CURRENT_BINARY_DIR}/${name}_locks.cmake")
    file(WRITE "${lock_file}"
         "if(${name}_TESTS)\n  set_tests_properties(\${${name}_TESTS} PROPERTIES RESOURCE_LOCK \"${T_LOCK}\")\nendif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${lock_file}")
  endif()
endfunction()

# A libFuzzer target (fuzz preset only).
function(tarvo_fuzzer name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined
                         -fno-sanitize-recover=undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endfunction()

function(tarvo_add_portability_check)
  get_property(sources GLOBAL PROPERTY TARVO_PORTABLE_SOURCES)
  if(sources AND NOT TARVO_FUZZ AND NOT TARVO_WIN32)
    list(JOIN sources "," joined)
    add_test(NAME portable_sources_have_no_windows_h
             COMMAND ${CMAKE_COMMAND} -DSOURCES=${joined}
                     -P ${CMAKE_SOURCE_DIR}/cmake/CheckPortable.cmake)
    set_tests_properties(portable_sources_have_no_windows_h PROPERTIES LABELS native)
  endif()
endfunction()

# A test (label "imports") that the program or library imports only system
# DLLs (plus the suite's own libraries listed after ALLOWED) and, of them,
# only functions that cmake/win95-nt4-imports.txt holds.
function(tarvo_check_imports target)
  cmake_parse_arguments(T "" "" "ALLOWED" ${ARGN})
  string(REPLACE "gcc" "objdump" objdump "${CMAKE_C_COMPILER}")
  string(REPLACE "-posix" "" objdump "${objdump}")
  list(JOIN T_ALLOWED "," allowed)
  add_test(NAME ${target}_imports
           COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${objdump} -DFILE=$<TARGET_FILE:${target}>
                   -DLIST=${CMAKE_SOURCE_DIR}/cmake/win95-nt4-imports.txt
                   -DALLOWED=${allowed} -P ${CMAKE_SOURCE_DIR}/cmake/CheckImports.cmake)
  set_tests_properties(${target}_imports PROPERTIES LABELS imports)
endfunction()

# A program or DLL that users get. It is linked with the runtime of the
# win32 thread model (cmake/link-win32-threads.sh: the posix one imports
# functions that the target Windows versions lack; the tests keep it) and
# with CRTDLL.DLL as its C runtime (runtime/), its header marks subsystem and OS version SUBSYSTEM (default 3.10, the highest
# that Windows NT 3.51 loads), and its imports are checked (ALLOWED as for
# tarvo_check_imports).
function(tarvo_shipped target)
  cmake_parse_arguments(T "" "SUBSYSTEM" "ALLOWED" ${ARGN})
  if(NOT T_SUBSYSTEM)
    set(T_SUBSYSTEM 3.10)
  endif()
  string(REPLACE "." ";" version ${T_SUBSYSTEM})
  list(GET version 0 major)
  list(GET version 1 minor)
  set_target_properties(${target} PROPERTIES
    C_LINKER_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/link-win32-threads.sh
    CXX_LINKER_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/link-win32-threads.sh)
  target_link_options(${target} PRIVATE
    -Wl,--major-subsystem-version,${major},--minor-subsystem-version,${minor}
    -Wl,--major-os-version,${major},--minor-os-version,${minor}
    -L${TARVO_CRTDLL_DIR})
  target_link_libraries(${target} PRIVATE tarvo_crtdll_stand_ins)
  tarvo_check_imports(${target} ALLOWED ${T_ALLOWED})
endfunction()

# A DLL of the suite (the control and viewer libraries): static runtime like
# the programs, no "lib" prefix, placed beside the programs in bin/, shipped
# as tarvo_shipped makes it. Its exports come from __declspec(dllexport) or
# a .def file among the sources.
#   tarvo_win32_dll(name OUTPUT_NAME HTCTL32 SOURCES ... [LIBS ...] [SUBSYSTEM 4.0] [ALLOWED ...])
function(tarvo_win32_dll name)
  cmake_parse_arguments(T "" "OUTPUT_NAME;SUBSYSTEM" "SOURCES;LIBS;ALLOWED" ${ARGN})
  if(NOT T_OUTPUT_NAME)
    set(T_OUTPUT_NAME ${name})
  endif()
  add_library(${name} SHARED ${T_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  set_target_properties(${name} PROPERTIES
    PREFIX "" OUTPUT_NAME ${T_OUTPUT_NAME} SUFFIX .DLL
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(T_SUBSYSTEM)
    tarvo_shipped(${name} SUBSYSTEM ${T_SUBSYSTEM} ALLOWED ${T_ALLOWED})
  else()
    tarvo_shipped(${name} ALLOWED ${T_ALLOWED})
  endif()
endfunction()

# A program or library of the suite that the package carries and the
# installer installs (package-files.txt in the build folder, in install order).
function(tarvo_in_package target)
  set_property(GLOBAL APPEND PROPERTY TARVO_PACKAGE_TARGETS ${target})
endfunction()

# A viewer library the shell loads: one folder and this one call. It makes
# the DLL on the library base (shipped runtime, import check), adds it to
# the libraries the test programs wait for (target viewer_libraries) and to
# the package, whose list the package, the installer's FILES.LST, the run
# script and the shell's end-to-end test read. CLASS is the window class it
# registers, for the contract test that loads every library. TEST_ONLY keeps
# it out of the package.
#   tarvo_viewer_library(name OUTPUT_NAME ZRH32 CLASS ZRXHEX SOURCES ... [LIBS ...] [TEST_ONLY])
function(tarvo_viewer_library name)
  cmake_parse_arguments(T "TEST_ONLY" "OUTPUT_NAME;CLASS" "SOURCES;LIBS" ${ARGN})
  tarvo_win32_dll(${name} OUTPUT_NAME ${T_OUTPUT_NAME} SOURCES ${T_SOURCES}
                  LIBS tarvo_viewer_base ${T_LIBS})
  add_dependencies(viewer_libraries ${name})
  set(shipped true)
  if(T_TEST_ONLY)
    set(shipped false)
  else()
    tarvo_in_package(${name})
  endif()
  set_property(GLOBAL APPEND PROPERTY TARVO_VIEWER_LIBRARIES
               "{\"$<TARGET_FILE_NAME:${name}>\", \"${T_CLASS}\", ${shipped}}")
endfunction()

# After every folder: package-files.txt, the target "suite" that builds
# everything the package needs, and generated/suite_files.h, which gives the
# tests the same lists: TARVO_PACKAGE_FILES, the file names as string
# literals, and TARVO_VIEWER_LIBRARIES, {file, class, shipped} of each
# viewer library.
function(tarvo_write_suite_lists)
  get_property(package GLOBAL PROPERTY TARVO_PACKAGE_TARGETS)
  get_property(viewers GLOBAL PROPERTY TARVO_VIEWER_LIBRARIES)
  set(lines "")
  set(package_names "")
  foreach(t IN LISTS package)
    string(APPEND lines "$<TARGET_FILE_NAME:${t}>\n")
    string(APPEND package_names "\"$<TARGET_FILE_NAME:${t}>\", ")
  endforeach()
  list(JOIN viewers ", " viewer_rows)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/package-files.txt CONTENT "${lines}")
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/generated/suite_files.h CONTENT
       "// Made by CMake from the suite's targets.\n#pragma once\n#define TARVO_PACKAGE_FILES ${package_names}\n#define TARVO_VIEWER_LIBRARIES ${viewer_rows}\n")
  add_custom_target(suite)
  add_dependencies(suite ${package} setup_loader trusetup)
endfunction()
