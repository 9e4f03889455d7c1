# odt.cmake: OpenDocument text import (packages and flat files).
target_sources(vyx_import PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXODT.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXODTStyles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadODT.cpp
)

vyx_tests(vyx_odt_tests LABEL odt DEPS vyx_import vyx_documents SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXReadODTTest.cpp
)

# `vyx convert` reads ODT through the format table, and refuses encrypted packages.
if(VYX_TESTS)
  set(odt_corpus ${VYX_SHARED_DIR}/corpus/odt)
  set(odt_out ${CMAKE_CURRENT_BINARY_DIR}/odt-cli)
  add_test(NAME odt.vyx_convert_to_text COMMAND ${VYX_SKIP_UNLESS} ${odt_corpus}/odfdo-note.odt sh -c
    "mkdir -p '${odt_out}' && $<TARGET_FILE:vyx_tool> convert '${odt_corpus}/odfdo-note.odt' '${odt_out}/note.txt' && cat '${odt_out}/note.txt'")
  set_tests_properties(odt.vyx_convert_to_text PROPERTIES LABELS odt SKIP_RETURN_CODE ${VYX_SKIP_CODE}
    PASS_REGULAR_EXPRESSION "Un paragraphe d'apparence banale")
  add_test(NAME odt.vyx_convert_to_docx_and_back COMMAND ${VYX_SKIP_UNLESS} ${odt_corpus}/pandoc-tableWithSpans.odt sh -c
    "mkdir -p '${odt_out}' && $<TARGET_FILE:vyx_tool> convert '${odt_corpus}/pandoc-tableWithSpans.odt' '${odt_out}/spans.docx' && $<TARGET_FILE:vyx_tool> convert '${odt_out}/spans.docx' '${odt_out}/spans.txt' && cat '${odt_out}/spans.txt'")
  set_tests_properties(odt.vyx_convert_to_docx_and_back PROPERTIES LABELS odt SKIP_RETURN_CODE ${VYX_SKIP_CODE}
    PASS_REGULAR_EXPRESSION "Columnspan & Rowspan 2")
  add_test(NAME odt.vyx_convert_refuses_encrypted COMMAND ${VYX_SKIP_UNLESS} ${odt_corpus}/tika-testODTEncrypted.odt sh -c
    "$<TARGET_FILE:vyx_tool> convert '${odt_corpus}/tika-testODTEncrypted.odt' '${odt_out}/x.txt'; echo exit=$?")
  set_tests_properties(odt.vyx_convert_refuses_encrypted PROPERTIES LABELS odt SKIP_RETURN_CODE ${VYX_SKIP_CODE}
    PASS_REGULAR_EXPRESSION "Can not open file. The document is encrypted\nexit=1")
endif()
