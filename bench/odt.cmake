# odt.cmake: OpenDocument text import of a long generated document, and of the corpus's longest file.
if(TARGET vyx_import)
  vyx_benchmark(vyx_odt_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/OdtBench.cpp DEPS vyx_import)
endif()
