# shapes.cmake: legacy shape type formulas and paths, as documents carry them.
vyx_fuzz_target(FuzzVmlShapes SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzVmlShapes.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/vmlshapes DEPS vyx_model)
