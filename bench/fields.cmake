# bench/fields.cmake: collecting and resolving tracked changes.
vyx_benchmark(vyx_revision_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/RevisionBench.cpp DEPS vyx_model)
