# Function library: every built-in handler on arguments and cells chosen by the bytes.
vyx_fuzz_target(FuzzFuncLib SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzFuncLib.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/funclib DEPS vyx_formula)
