# Barcode encoders under arbitrary type, settings and text.
if(TARGET vyx_barcode)
  vyx_fuzz_target(FuzzBarcode SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzBarcode.cpp
                  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/barcode DEPS vyx_barcode)
endif()
