# funclib.cmake: evaluations per second of the most used spreadsheet functions.
if(TARGET vyx_formula)
  vyx_benchmark(vyx_bench_funclib SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchFuncLib.cpp DEPS vyx_formula)
endif()
