# bench/facade.cmake: the road of a keystroke through the editor facade on a headless
# host with a 300-page document: command, undo record, relayout, paint, caret.
vyx_benchmark(vyx_facade_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FacadeBench.cpp DEPS vyx_host)
