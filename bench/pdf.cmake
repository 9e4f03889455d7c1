# bench/pdf.cmake: exporting long documents to PDF (layout at 72 dpi, painting, fonts subset, file written).
if(TARGET vyx_pdf)
  vyx_benchmark(vyx_pdf_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/PdfBench.cpp DEPS vyx_pdf)
endif()
