# bench/doc.cmake: importing binary documents (a built 140-page document, a fast-saved corpus file).
if(TARGET vyx_import)
  vyx_benchmark(vyx_doc_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/DocBench.cpp
    ${CMAKE_SOURCE_DIR}/import/tests/VYXDocTestBuilder.cpp DEPS vyx_import)
  target_include_directories(vyx_doc_bench PRIVATE ${CMAKE_SOURCE_DIR}/import/tests)
endif()
