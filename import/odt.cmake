# odt.cmake: OpenDocument text import (packages and flat files).
target_sources(vyx_import PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXODT.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXODTStyles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadODT.cpp
)

vyx_tests(vyx_odt_tests LABEL odt DEPS vyx_import SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXReadODTTest.cpp
)
