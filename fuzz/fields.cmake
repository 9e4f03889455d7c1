# fields.cmake: field instructions, hyperlink lists and bookmark names read from documents.
vyx_fuzz_target(FuzzFields SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzFields.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/fields DEPS vyx_model)
