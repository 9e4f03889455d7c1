# crypto.cmake: fuzz targets of the compound-file reader and of encrypted packages.
vyx_fuzz_target(FuzzReadCompoundFile SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzReadCompoundFile.cpp
                CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/cfb DEPS vyx_formats vyx_platform)
vyx_fuzz_target(FuzzEncryptionInfo SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzEncryptionInfo.cpp
                CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/encryptioninfo DEPS vyx_formats)
