# layout.cmake: random documents (text, tables, notes, sections, objects, bidi) laid out, edited and laid out again.
vyx_fuzz_target(FuzzLayout SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzLayout.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/layout DEPS vyx_layout)
