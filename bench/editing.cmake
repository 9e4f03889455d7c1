# bench/editing.cmake: plain text into a paragraph list and back.
vyx_benchmark(vyx_editing_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/PlainTextBench.cpp DEPS vyx_editing)
