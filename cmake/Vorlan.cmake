# Helpers shared by every subsystem's CMakeLists.

set(VORLAN_WARNINGS -Wall -Wextra -Werror)

option(VORLAN_CCACHE "Compile through ccache where it is installed" ON)
option(VORLAN_PCH "Precompiled headers: <windows.h> with the standard library in the Windows libraries, GoogleTest in the test programs" ON)
option(VORLAN_UNITY "Unity builds of the portable libraries and their test programs" ON)
set(VORLAN_UNITY_BATCH 8 CACHE STRING "Units per unity unit (0: all of a target in one)")

# ccache, unless a launcher is set already (CMAKE_CXX_COMPILER_LAUNCHER). Paths
# under the source tree are hashed relative to it; the sloppiness lets it
# cache units built on a precompiled header.
if(VORLAN_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(VORLAN_CCACHE_PROGRAM ccache)
  if(VORLAN_CCACHE_PROGRAM)
    set(vorlan_launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
        CCACHE_SLOPPINESS=pch_defines,time_macros ${VORLAN_CCACHE_PROGRAM})
    set(CMAKE_C_COMPILER_LAUNCHER ${vorlan_launcher})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${vorlan_launcher})
  endif()
endif()

# The standard headers nearly every unit of the Windows libraries and of the
# tests includes.
set(VORLAN_STD_PCH <algorithm> <cstdint> <functional> <memory> <string> <string_view> <utility> <vector>)

# vorlan_windows_pch(TARGET...): one precompiled <windows.h> with the standard
# headers, built for the first TARGET and used by the others (their compile
# options are the same).
function(vorlan_windows_pch first)
  if(NOT VORLAN_PCH OR NOT WIN32)
    return()
  endif()
  target_precompile_headers(${first} PRIVATE <windows.h> ${VORLAN_STD_PCH})
  foreach(target ${ARGN})
    target_precompile_headers(${target} REUSE_FROM ${first})
  endforeach()
endfunction()

# vorlan_unity(TARGET...): the units of each TARGET compiled a few at a time
# in one, which saves parsing the same headers again.
function(vorlan_unity)
  if(VORLAN_UNITY)
    set_target_properties(${ARGN} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${VORLAN_UNITY_BATCH})
  endif()
endfunction()

# vorlan_test_pch(TARGET KIND): GoogleTest and the standard headers
# precompiled once for each KIND of test program (portable, or Windows with
# <windows.h> too) and used by every test program of that kind.
function(vorlan_test_pch target kind)
  if(NOT VORLAN_PCH)
    return()
  endif()
  get_property(anchor GLOBAL PROPERTY VORLAN_TEST_PCH_${kind})
  if(anchor)
    target_precompile_headers(${target} REUSE_FROM ${anchor})
    return()
  endif()
  set(headers <gtest/gtest.h> ${VORLAN_STD_PCH})
  if(kind STREQUAL "windows")
    list(PREPEND headers <windows.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
  set_property(GLOBAL PROPERTY VORLAN_TEST_PCH_${kind} ${target})
endfunction()

# GCC 12 loses the system-header mark of headers it reads from a precompiled
# header, so optimised test units would report its known false bounds
# warnings inside libstdc++'s string copies; the libraries keep them.
set(VORLAN_TEST_PCH_OPTIONS -Wno-array-bounds -Wno-stringop-overread -Wno-stringop-overflow)

if(VORLAN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # One self-contained executable: no runtime DLLs next to it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

# Sources of DIR: *_win.cpp only on Windows, *_posix.cpp only elsewhere.
function(vorlan_sources out dir)
  cmake_parse_arguments(S "RECURSE" "" "" ${ARGN})
  if(S_RECURSE)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
  else()
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
  endif()
  if(WIN32)
    list(FILTER found EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER found EXCLUDE REGEX "_win\\.cpp$")
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

function(vorlan_warnings target)
  target_compile_options(${target} PRIVATE ${VORLAN_WARNINGS})
endfunction()

# vorlan_library(NAME [RECURSE] [DEPS targets...] [INCLUDES dirs...]): a
# static library of the .cpp files beside the calling CMakeLists.txt (and in
# its sub-folders with RECURSE); headers are included as "subsystem/x.h".
function(vorlan_library name)
  cmake_parse_arguments(L "RECURSE" "" "DEPS;INCLUDES" ${ARGN})
  if(L_RECURSE)
    vorlan_sources(srcs ${CMAKE_CURRENT_SOURCE_DIR} RECURSE)
  else()
    vorlan_sources(srcs ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  if(NOT srcs)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src ${L_INCLUDES})
    target_link_libraries(${name} INTERFACE ${L_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${L_INCLUDES})
  target_link_libraries(${name} PUBLIC ${L_DEPS})
  vorlan_warnings(${name})
endfunction()

# vorlan_test(NAME DIR dir LIBS targets... [WINDOWS_ONLY]): one GoogleTest
# executable of the .cpp files in DIR, registered as one ctest entry (under
# Wine each start is costly, so cases are not registered one by one).
function(vorlan_test name)
  cmake_parse_arguments(T "WINDOWS_ONLY" "DIR" "LIBS;LABELS" ${ARGN})
  if(T_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  vorlan_sources(srcs ${T_DIR})
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE VORLAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  vorlan_warnings(${name})
  if(VORLAN_PCH)
    target_compile_options(${name} PRIVATE ${VORLAN_TEST_PCH_OPTIONS})
  endif()
  if(T_WINDOWS_ONLY)
    vorlan_test_pch(${name} windows)
  else()
    vorlan_test_pch(${name} portable)
    vorlan_unity(${name})
  endif()
  add_dependencies(vorlan_tests ${name})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
  # Programs that show windows move the one mouse and focus of the display:
  # never two at once.
  if("display" IN_LIST T_LABELS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()

# vorlan_split_symbols(TARGET): with VORLAN_SPLIT_SYMBOLS, TARGET is stripped
# after linking and its symbols and debug information are kept beside it in
# <name>.debug, which the program names (a GNU debug link), so that gdb and
# addr2line turn a crash address into a function and line.
function(vorlan_split_symbols target)
  if(NOT VORLAN_SPLIT_SYMBOLS)
    return()
  endif()
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "VORLAN_SPLIT_SYMBOLS needs objcopy")
  endif()
  set(program $<TARGET_FILE:${target}>)
  set(symbols $<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_BASE_NAME:${target}>.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${program} ${symbols}
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${symbols} ${program}
    COMMENT "Stripping ${target}, symbols in its .debug file" VERBATIM)
endfunction()

# Adds every subdirectory of the current one that has a CMakeLists.txt.
function(vorlan_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
