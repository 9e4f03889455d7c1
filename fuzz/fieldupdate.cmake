# fieldupdate.cmake: field update (formulas over tables, pictures, switches) on instructions from any bytes.
vyx_fuzz_target(FuzzFieldUpdate SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzFieldUpdate.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/fieldupdate DEPS vyx_editing)
