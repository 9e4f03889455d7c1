# html.cmake: any bytes as an HTML file (tree, reader, writer and the writer's output
# read again), and any text as a style sheet (parser, cascade, units, colours).
vyx_fuzz_target(FuzzReadHTML SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzReadHTML.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/html DEPS vyx_documents)
vyx_fuzz_target(FuzzCSS SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzCSS.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/css DEPS vyx_documents)
