# bench/positions.cmake: caret moves and point/position mapping on a 300-page document.
if(TARGET vyx_device)
  vyx_benchmark(vyx_positions_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/PositionsBench.cpp DEPS vyx_layout vyx_device)
endif()
