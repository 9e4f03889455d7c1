# bench/body.cmake: building a large nested body, typing into it and comparing positions.
vyx_benchmark(vyx_body_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/BodyBench.cpp DEPS vyx_model)
