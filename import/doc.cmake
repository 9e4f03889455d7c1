# Legacy binary documents (compound file): streams, importer, tests.
target_sources(vyx_import PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXDOCSprm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXDOCStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOC.cpp
)

# Metafile pictures are stored deflated.
find_package(ZLIB REQUIRED)
target_link_libraries(vyx_import PRIVATE ZLIB::ZLIB)

vyx_tests(vyx_doc_tests LABEL doc DEPS vyx_import SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXReadDOCTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXReadDOCBuiltTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXDocTestBuilder.cpp
)
if(TARGET vyx_doc_tests)
  target_include_directories(vyx_doc_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests)
endif()
