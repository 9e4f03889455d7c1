# DOCX: the reader (and writer) of WordprocessingML packages, on the OPC layer.
target_sources(vyx_documents PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCX.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteDOCX.cpp
)

vyx_tests(vyx_docx_tests LABEL docx DEPS vyx_documents SOURCES
  tests/VYXReadDOCXTest.cpp
  tests/VYXWriteDOCXTest.cpp
  tests/VYXDocxFidelityTest.cpp
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

# What the writer produces validates against the transitional schemas (xmllint
# from libxml2-utils): a sample of the corpus chosen for its features (tracked
# changes, tables, lists, notes, headers, sections, links, pictures, fields).
if(VYX_TESTS AND EXISTS ${VYX_SHARED_DIR}/corpus/docx)
  set(docx_dir ${VYX_SHARED_DIR}/corpus/docx)
  set(docx_sample)
  foreach(name oxpt-RP002-Deleted-Text oxpt-RP003-Inserted-Text oxpt-RP005-Deleted-Paragraph-Mark
          oxpt-RP015-MoveFrom-MoveTo oxpt-RP019-Deleted-Field-Code oxpt-RP025-Paragraph-Props-Change
          oxpt-RP027-Change-Section oxpt-RP031-Table-Prop-Change oxpt-RP050-Deleted-Footnote
          d2py-merged_cells docx4j-sample-docx docx4j-tables docx4j-hyperlinks-internal
          docx4j-odd_even_different_first_page docx4j-sections_multiple docx4j-MERGEFIELD
          docxcompose-footnotes_with_hyperlinks docxjs-numbering mammoth-endnotes oxpt-CA014-Complex-Table
          oxpt-HC022-Table-Of-Contents oxpt-HC029-Table-Merged-Cells tika-testWORD_endnote_table
          poi-NumberingWOverrides tika-2pic mammoth-comments docx4j-LegacyForms pandoc-image_with_textbox_caption)
    list(APPEND docx_sample ${docx_dir}/${name}.docx)
  endforeach()
  add_test(NAME docx.written_parts_validate
           COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/tests/docx_validate.sh $<TARGET_FILE:vyx_tool>
                   ${VYX_SHARED_DIR}/schemas ${CMAKE_CURRENT_BINARY_DIR}/docx-validate ${docx_sample})
  set_tests_properties(docx.written_parts_validate PROPERTIES LABELS docx SKIP_RETURN_CODE 77
                       PASS_REGULAR_EXPRESSION "validated 28 packages" FAIL_REGULAR_EXPRESSION "do not validate")
endif()
