# bench/charruns.cmake: tidying the runs of a paragraph with many bookmarks.
vyx_benchmark(vyx_charruns_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/CharRunsBench.cpp DEPS vyx_model)
