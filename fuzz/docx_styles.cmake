# docx_styles.cmake: fuzz target of the DOCX styles and numbering parts (through the schema classes).
vyx_fuzz_target(FuzzReadDocxStyles SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzReadDocxStyles.cpp
                CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/docxstyles DEPS vyx_documents)
