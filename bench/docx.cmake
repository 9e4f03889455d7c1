# docx.cmake: reading WordprocessingML into the model (MB/s of document.xml and of packages).
if(TARGET vyx_documents)
  vyx_benchmark(vyx_docx_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/DocxBench.cpp DEPS vyx_documents)
endif()
