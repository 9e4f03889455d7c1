# odt.cmake: OpenDocument text import over arbitrary content and styles parts.
if(TARGET vyx_import)
  vyx_fuzz_target(FuzzReadODT SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzReadODT.cpp
                  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/odt DEPS vyx_import)
endif()
