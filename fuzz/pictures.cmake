# pictures.cmake: the platform picture decoders (PNG, JPEG, GIF, BMP, TIFF and the kept formats' headers) and the picture store.
vyx_fuzz_target(FuzzPictures SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzPictures.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/pictures DEPS vyx_model vyx_platform)
