# bench/editor.cmake: the document editor: typing and deleting in a long document.
vyx_benchmark(vyx_editor_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/EditorBench.cpp DEPS vyx_editing)
