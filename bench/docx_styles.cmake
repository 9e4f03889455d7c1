# docx_styles.cmake: the styles and numbering parts read and written through the schema classes.
if(TARGET vyx_documents)
  vyx_benchmark(vyx_docx_styles_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/DocxStylesBench.cpp DEPS vyx_documents)
endif()
