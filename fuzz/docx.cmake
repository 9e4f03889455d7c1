# docx.cmake: fuzz targets of the DOCX reader: whole packages, and document.xml alone.
vyx_fuzz_target(FuzzReadDOCX SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzReadDOCX.cpp
                CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/docx DEPS vyx_documents)
vyx_fuzz_target(FuzzReadDocxXml SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzReadDocxXml.cpp
                CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/docxxml DEPS vyx_documents)
