# VyxHelpers.cmake: the few functions every folder uses to declare its library,
# its tests, its benchmarks and its fuzz targets, so that warnings, sanitizers
# and labels stay the same everywhere.

# g++ 12 at -O3 reports -Wrestrict on ordinary std::string concatenation inside
# libstdc++ (a known false positive); it would make -Werror builds fail on
# correct code, so that one warning is off (clang has no such warning and would
# complain about the unknown option on every unit).
set(VYX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND VYX_WARNINGS -Wno-restrict)
endif()

# Tests that need a file from outside the checkout (the shared corpus and schemas)
# are always registered; when the file is absent they report themselves skipped
# instead of silently not existing: COMMAND ${VYX_SKIP_UNLESS} <path> <command...>
# with the test property SKIP_RETURN_CODE ${VYX_SKIP_CODE}.
set(VYX_SKIP_CODE 77)
set(VYX_SKIP_UNLESS sh ${CMAKE_CURRENT_LIST_DIR}/skip-unless.sh)

function(vyx_apply_common target)
  target_compile_options(${target} PRIVATE ${VYX_WARNINGS})
  if(VYX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(VYX_FUZZ)
    # Coverage must reach the libraries under test, not only the entry points.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  endif()
  if(VYX_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    # The sanitizers' instrumentation defeats g++'s flow analysis: it reports
    # -Wmaybe-uninitialized inside libstdc++ (std::regex, std::function, std::optional)
    # on code that is clean in every other build, so under them that warning is off.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
    endif()
  endif()
endfunction()

# vyx_library(<name> SOURCES ... [DEPS ...] [PRIVATE_DEPS ...])
# Headers of a folder are included as "<folder>/<Unit>.h" from the source root.
function(vyx_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}>)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  vyx_apply_common(${name})
  if(VYX_SANITIZE)
    target_link_options(${name} INTERFACE -fsanitize=address,undefined)
  endif()
  set_property(GLOBAL APPEND PROPERTY VYX_LIBRARY_DIRS "${CMAKE_CURRENT_SOURCE_DIR}")
  set_property(GLOBAL APPEND PROPERTY VYX_LIBRARIES ${name})
endfunction()

# Test programs, fuzz replays and other programs that only drive the engine spend
# their time in the engine's libraries, which keep the build type's optimisation;
# their own code is mostly test scaffolding, which -O3 makes twice as dear to
# compile as -Og for no measurable gain when the tests run.
set(VYX_DRIVER_OPTIMIZE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-Og>)

# VYX_UNITY_TESTS compiles each test program in batches of files (one unit per
# batch). With the precompiled headers below it saves little more, and files of
# one program would then share a unit: their helpers in anonymous namespaces
# would need names of their own. Off by default.
option(VYX_UNITY_TESTS "Compile each test program in batches of files" OFF)
set(VYX_UNITY_BATCH 16)

# Test programs reuse one of two precompiled headers instead of parsing GoogleTest,
# the standard headers and, above the model, the editor and layout headers in every
# file: those headers are about half of a test unit's compile time. A precompiled
# header is made once and reused by every program whose flags match its own, so it
# lives on a small object library with the test programs' flags.
set(VYX_TEST_PCH_BASE <gtest/gtest.h> <algorithm> <cstdint> <filesystem> <fstream> <functional>
    <map> <memory> <set> <sstream> <string> <string_view> <vector>
    "${CMAKE_SOURCE_DIR}/platform/VYXException.h" "${CMAKE_SOURCE_DIR}/platform/VYXUnicode.h")
set(VYX_TEST_PCH_DOCUMENT
    "${CMAKE_SOURCE_DIR}/platform/VYXStream.h" "${CMAKE_SOURCE_DIR}/model/VYXDocDump.h"
    "${CMAKE_SOURCE_DIR}/editing/VYXLogEditor.h" "${CMAKE_SOURCE_DIR}/layout/VYXPaginate.h")

function(vyx_test_pch name)
  if(TARGET ${name})
    return()
  endif()
  add_library(${name} OBJECT ${CMAKE_SOURCE_DIR}/cmake/VyxTestPch.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE GTest::gtest)
  target_compile_options(${name} PRIVATE ${VYX_DRIVER_OPTIMIZE})
  vyx_apply_common(${name})
  target_precompile_headers(${name} PRIVATE ${ARGN})
  # The header names engine headers by absolute path: the tree on the command line keeps
  # the compiler cache from handing it to another checkout (see model/CMakeLists.txt).
  target_compile_definitions(${name} PRIVATE VYX_PCH_TREE="${CMAKE_SOURCE_DIR}")
endfunction()

# vyx_links_to(<out> <wanted> <targets>...): whether any of the targets links `wanted`,
# directly or through other targets.
function(vyx_links_to out wanted)
  set(pending ${ARGN})
  set(seen "")
  while(pending)
    list(POP_FRONT pending t)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" t "${t}")
    if(t STREQUAL wanted)
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(NOT TARGET ${t} OR t IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${t})
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(deps ${t} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(deps ${t} LINK_LIBRARIES)
    endif()
    if(deps)
      list(APPEND pending ${deps})
    endif()
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

# vyx_tests(<name> LABEL <folder> SOURCES ... [DEPS ...])
# One test program per folder keeps link time down; ctest sees every case.
function(vyx_tests name)
  if(NOT VYX_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    VYX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    VYX_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data"
    VYX_SHARED_DIR="${VYX_SHARED_DIR}"
    VYX_PCH_TREE="${CMAKE_SOURCE_DIR}")
  target_compile_options(${name} PRIVATE ${VYX_DRIVER_OPTIMIZE})
  vyx_apply_common(${name})
  # Programs above the editor reuse the header with the document layers' headers.
  vyx_links_to(document_level vyx_editing ${ARG_DEPS})
  if(document_level)
    vyx_test_pch(vyx_test_pch_document ${VYX_TEST_PCH_BASE} ${VYX_TEST_PCH_DOCUMENT})
    target_precompile_headers(${name} REUSE_FROM vyx_test_pch_document)
  else()
    vyx_test_pch(vyx_test_pch_base ${VYX_TEST_PCH_BASE})
    target_precompile_headers(${name} REUSE_FROM vyx_test_pch_base)
  endif()
  if(VYX_UNITY_TESTS)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${VYX_UNITY_BATCH})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES LABELS "${ARG_LABEL}")
endfunction()

# vyx_benchmark(<name> SOURCES ... [DEPS ...]): Google Benchmark programs, never run by ctest.
function(vyx_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE
    VYX_SOURCE_DIR="${CMAKE_SOURCE_DIR}" VYX_SHARED_DIR="${VYX_SHARED_DIR}")
  vyx_apply_common(${name})
endfunction()

# vyx_fuzz_target(<name> SOURCE <file> CORPUS <dir> [DEPS ...])
# With VYX_FUZZ (clang) it is a libFuzzer program. Otherwise the entry point is
# compiled under a name of its own into the one replay program, which ctest runs
# as `<name>.replay` over every file of the corpus (seeds and committed crashers),
# so fixed crashes stay fixed without linking the engine once per target.
# Entry points of different targets share that program: helpers of a fuzz source
# belong in an anonymous namespace.
function(vyx_fuzz_target name)
  cmake_parse_arguments(ARG "" "SOURCE;CORPUS" "DEPS" ${ARGN})
  if(VYX_FUZZ)
    add_executable(${name} ${ARG_SOURCE})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  else()
    add_library(${name} OBJECT ${ARG_SOURCE})
    target_compile_definitions(${name} PRIVATE LLVMFuzzerTestOneInput=VyxFuzzReplay_${name})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
    target_compile_options(${name} PRIVATE ${VYX_DRIVER_OPTIMIZE})
    vyx_apply_common(${name})
    set_property(GLOBAL APPEND PROPERTY VYX_FUZZ_REPLAYS ${name})
    if(VYX_TESTS)
      add_test(NAME ${name}.replay COMMAND vyx_fuzz_replay ${name} ${ARG_CORPUS})
      set_tests_properties(${name}.replay PROPERTIES LABELS fuzz)
    endif()
  endif()
endfunction()

# vyx_fuzz_replay_program(): after every fuzz/<name>.cmake, the replay program with
# a table of the entry points by target name.
function(vyx_fuzz_replay_program)
  get_property(targets GLOBAL PROPERTY VYX_FUZZ_REPLAYS)
  if(VYX_FUZZ OR NOT targets)
    return()
  endif()
  set(declarations "")
  set(rows "")
  foreach(t ${targets})
    string(APPEND declarations "extern \"C\" int VyxFuzzReplay_${t}(const std::uint8_t* data, std::size_t size);\n")
    string(APPEND rows "    {\"${t}\", &VyxFuzzReplay_${t}},\n")
  endforeach()
  file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/VyxFuzzReplayTable.cpp @ONLY CONTENT
"// Generated by vyx_fuzz_replay_program(): the fuzz entry points by target name.
#include <cstddef>
#include <cstdint>

#include \"fuzz/FuzzReplayTable.h\"

@declarations@
const TVyxFuzzEntry kVyxFuzzEntries[] = {
@rows@};
const std::size_t kVyxFuzzEntryCount = sizeof(kVyxFuzzEntries) / sizeof(kVyxFuzzEntries[0]);
")
  add_executable(vyx_fuzz_replay ${CMAKE_SOURCE_DIR}/fuzz/FuzzReplayMain.cpp
                 ${CMAKE_CURRENT_BINARY_DIR}/VyxFuzzReplayTable.cpp)
  target_include_directories(vyx_fuzz_replay PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(vyx_fuzz_replay PRIVATE ${targets})
  target_compile_options(vyx_fuzz_replay PRIVATE ${VYX_DRIVER_OPTIMIZE})
  vyx_apply_common(vyx_fuzz_replay)
endfunction()

# Every header of every library compiles on its own: one generated unit per header.
function(vyx_header_check_target)
  get_property(dirs GLOBAL PROPERTY VYX_LIBRARY_DIRS)
  get_property(libs GLOBAL PROPERTY VYX_LIBRARIES)
  set(units "")
  foreach(dir ${dirs})
    file(GLOB headers RELATIVE "${CMAKE_SOURCE_DIR}" "${dir}/*.h")
    foreach(h ${headers})
      string(MAKE_C_IDENTIFIER "${h}" id)
      set(unit "${CMAKE_BINARY_DIR}/header_check/${id}.cpp")
      if(NOT EXISTS "${unit}")
        file(WRITE "${unit}" "#include \"${h}\"\n")
      endif()
      list(APPEND units "${unit}")
    endforeach()
  endforeach()
  if(units)
    add_library(vyx_header_check OBJECT ${units})
    target_include_directories(vyx_header_check PRIVATE ${CMAKE_SOURCE_DIR})
    foreach(lib ${libs})
      target_include_directories(vyx_header_check PRIVATE $<TARGET_PROPERTY:${lib},INTERFACE_INCLUDE_DIRECTORIES>)
    endforeach()
    vyx_apply_common(vyx_header_check)
  endif()
endfunction()
