# bench/rtf.cmake: reading and writing a 10 MB RTF document built from the corpus.
vyx_benchmark(vyx_rtf_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/RtfBench.cpp DEPS vyx_documents)
