# mask.cmake: formatting numbers through number-format masks, and the date and finance kernels.
if(TARGET vyx_formula)
  vyx_benchmark(vyx_bench_mask SOURCES ${CMAKE_CURRENT_LIST_DIR}/VYXMaskBench.cpp DEPS vyx_formula)
endif()
