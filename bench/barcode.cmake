# Barcode encoding speed: symbols per second for Code 128 and QR.
if(TARGET vyx_barcode)
  vyx_benchmark(vyx_barcode_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/BarcodeBench.cpp DEPS vyx_barcode)
endif()
