# pictures.cmake: the picture decoders (PNG, JPEG, GIF, BMP and the kept formats' headers).
vyx_fuzz_target(FuzzPictures SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzPictures.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/pictures DEPS vyx_model)
