# bench/undo.cmake: undo and redo of one typed character and of a large deletion in a 300-page
# document, and of a whole 1,000-command editing session.
vyx_benchmark(vyx_undo_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/UndoBench.cpp DEPS vyx_editing)
