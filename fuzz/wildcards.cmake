# wildcards.cmake: search patterns as users type them, matched against the text after them.
vyx_fuzz_target(FuzzWildcards SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzWildcards.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/wildcards DEPS vyx_model)
