# fuzz/model.cmake: the small text parsers of the model (field switches, integer lists, format codes).
vyx_fuzz_target(FuzzModelText SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzModelText.cpp
                CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/modeltext DEPS vyx_model)
