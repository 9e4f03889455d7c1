# DOCX: the reader (and writer) of WordprocessingML packages, on the OPC layer.
target_sources(vyx_documents PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCX.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteDOCX.cpp
)

vyx_tests(vyx_docx_tests LABEL docx DEPS vyx_documents SOURCES
  tests/VYXReadDOCXTest.cpp
  tests/VYXWriteDOCXTest.cpp
)

# The element-name table is generated from the schemas and committed; this check
# regenerates it and fails when the committed file differs.
find_package(Python3 COMPONENTS Interpreter QUIET)
if(Python3_FOUND AND VYX_TESTS)
  set(schemas ${VYX_SHARED_DIR}/schemas)
  add_test(NAME docx.names_generated
           COMMAND ${VYX_SKIP_UNLESS} ${schemas}/wml.xsd ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/docx_names.py
                   ${schemas} ${CMAKE_CURRENT_LIST_DIR}/VYXDocxNames.inc --check)
  set_tests_properties(docx.names_generated PROPERTIES LABELS docx SKIP_RETURN_CODE ${VYX_SKIP_CODE})
endif()
