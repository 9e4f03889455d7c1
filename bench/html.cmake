# bench/html.cmake: HTML read and write throughput on a large real page.
vyx_benchmark(vyx_html_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/HtmlBench.cpp DEPS vyx_documents)
# bench/html_convert.sh compares whole-process conversion times (run by hand).
