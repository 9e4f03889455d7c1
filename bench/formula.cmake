# Formula engine: evaluation of encoded formulas, tokenizing plus encoding.
vyx_benchmark(vyx_formula_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/BenchFormula.cpp DEPS vyx_formula)
