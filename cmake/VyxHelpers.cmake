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
    VYX_SHARED_DIR="${VYX_SHARED_DIR}")
  vyx_apply_common(${name})
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
# With VYX_FUZZ (clang) it is a libFuzzer program; otherwise a replay program
# that feeds every file of the corpus (seeds and committed crashers) to the
# same entry point under ctest, so fixed crashes stay fixed.
function(vyx_fuzz_target name)
  cmake_parse_arguments(ARG "" "SOURCE;CORPUS" "DEPS" ${ARGN})
  if(VYX_FUZZ)
    add_executable(${name} ${ARG_SOURCE})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  else()
    add_executable(${name} ${ARG_SOURCE} ${CMAKE_SOURCE_DIR}/fuzz/FuzzReplayMain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
    vyx_apply_common(${name})
    if(VYX_TESTS)
      add_test(NAME ${name}.replay COMMAND ${name} ${ARG_CORPUS})
      set_tests_properties(${name}.replay PROPERTIES LABELS fuzz)
    endif()
  endif()
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
