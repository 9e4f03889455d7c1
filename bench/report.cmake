# report: band reports to DOCX and PDF, and a letter with thousands of merge fields.
if(TARGET vyx_report AND TARGET vyx_pdf)
  vyx_benchmark(vyx_report_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ReportBench.cpp DEPS vyx_report vyx_pdf)
endif()
