# bench/search.cmake: finding plain text and wildcard patterns in a long paragraph.
vyx_benchmark(vyx_search_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SearchBench.cpp DEPS vyx_model)
