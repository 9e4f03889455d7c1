# DOCX: the reader (and writer) of WordprocessingML packages, on the OPC layer.
target_sources(vyx_documents PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCX.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXBody.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXDrawings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXFields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXNotes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXProps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXStyles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXTree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCXDecrypt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteDOCX.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteDOCXBody.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteDOCXProps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteDOCXTables.cpp
)

# The WordprocessingML, DrawingML and VML schema classes: only the types
# reachable from the part roots the reader and writer use, split into units
# of about 9 000 lines (tools/nyq_xsdgen.py closed mode; see the job below).
# They only carry the small parts, never a body, so they are built for size:
# -Os halves their compile time against the project's -O3.
file(GLOB docx_schema_units CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/schema/NyqDocx*.cpp)
target_sources(vyx_documents PRIVATE ${docx_schema_units} ${CMAKE_CURRENT_LIST_DIR}/VYXDocxParts.cpp)
set_source_files_properties(${docx_schema_units} TARGET_DIRECTORY vyx_documents PROPERTIES COMPILE_OPTIONS -Os)

vyx_tests(vyx_docx_tests LABEL docx DEPS vyx_documents SOURCES
  tests/VYXReadDOCXTest.cpp
  tests/VYXReadDOCXDecryptTest.cpp
  tests/VYXWriteDOCXTest.cpp
  tests/VYXDocxFidelityTest.cpp
  tests/VYXDocxSchemaTest.cpp
  tests/VYXDocxStylePartsTest.cpp
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

# The schema classes likewise; `cmake --build . --target vyx_docx_schema` rewrites them.
set(docx_ns_w http://schemas.openxmlformats.org/wordprocessingml/2006/main)
set(docx_ns_a http://schemas.openxmlformats.org/drawingml/2006/main)
set(docx_ns_pic http://schemas.openxmlformats.org/drawingml/2006/picture)
set(docx_ns_wp http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing)
set(docx_ns_v urn:schemas-microsoft-com:vml)
set(docx_ns_o urn:schemas-microsoft-com:office:office)
set(docx_ns_w10 urn:schemas-microsoft-com:office:word)
set(docx_ns_m http://schemas.openxmlformats.org/officeDocument/2006/math)
set(docx_schema_args --unit NyqDocx --doc TDocxPartDoc --chunk 9000 --out ${CMAKE_CURRENT_LIST_DIR}/schema
  --extern-enum TST_Border=model/VYXDefs.h
  --prefix ${docx_ns_w}=w --prefix http://schemas.openxmlformats.org/officeDocument/2006/relationships=r
  --prefix ${docx_ns_m}=m --prefix ${docx_ns_wp}=wp --prefix ${docx_ns_a}=a --prefix ${docx_ns_pic}=pic
  --prefix ${docx_ns_v}=v --prefix ${docx_ns_o}=o --prefix ${docx_ns_w10}=w10
  --prefix http://www.w3.org/XML/1998/namespace=xml
  # Formulas stay unknown content: the model has no equations to map them to.
  --opaque ${docx_ns_m}
  --group ${docx_ns_w}=Wml --group ${docx_ns_a}=Dml --group ${docx_ns_pic}=Dml --group ${docx_ns_wp}=Dml
  --group ${docx_ns_v}=Vml --group ${docx_ns_o}=Vml --group ${docx_ns_w10}=Vml
  --root w:document --root w:styles --root w:numbering --root w:settings --root w:webSettings --root w:fonts
  --root w:footnotes --root w:endnotes --root w:comments --root w:hdr --root w:ftr --root pic:pic
  --root v:shape --root v:shapetype --root v:group --root v:rect --root v:roundrect --root v:oval --root v:line
  --root v:polyline --root v:arc --root v:curve --root v:image)
set(docx_schema_files)
foreach(xsd wml shared-commonSimpleTypes shared-relationshipReference dml-main dml-picture dml-wordprocessingDrawing
        vml-main vml-officeDrawing vml-wordprocessingDrawing)
  list(APPEND docx_schema_files ${VYX_SHARED_DIR}/schemas/${xsd}.xsd)
endforeach()
if(Python3_FOUND)
  add_custom_target(vyx_docx_schema COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/nyq_xsdgen.py
                    ${docx_schema_args} ${docx_schema_files} COMMENT "Regenerating the DOCX schema classes")
  if(VYX_TESTS)
    add_test(NAME docx.schema_generated
             COMMAND ${VYX_SKIP_UNLESS} ${VYX_SHARED_DIR}/schemas/wml.xsd ${Python3_EXECUTABLE}
                     ${CMAKE_SOURCE_DIR}/tools/nyq_xsdgen.py ${docx_schema_args} ${docx_schema_files} --check)
    set_tests_properties(docx.schema_generated PROPERTIES LABELS docx SKIP_RETURN_CODE ${VYX_SKIP_CODE})
  endif()
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
