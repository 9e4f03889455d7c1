# xml.cmake: fuzz targets of the XML layer and the zip/OPC package.
vyx_fuzz_target(FuzzReadXML SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzReadXML.cpp
                CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/xml DEPS vyx_formats)
vyx_fuzz_target(FuzzReadZip SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzReadZip.cpp
                CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/zip DEPS vyx_formats)

