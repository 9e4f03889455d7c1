# Formula engine: tokenizer, encoder and evaluator on arbitrary text.
vyx_fuzz_target(FuzzFormula SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzFormula.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/formula DEPS vyx_formula)
