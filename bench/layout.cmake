# bench/layout.cmake: full layout of 10, 100 and 1,000 pages, and relayout after one keystroke.
if(TARGET vyx_device)
  vyx_benchmark(vyx_layout_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LayoutBench.cpp DEPS vyx_layout vyx_device)
endif()
