# bench/model.cmake: property-list lookups and format resolution.
vyx_benchmark(vyx_model_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ModelBench.cpp DEPS vyx_model)
