# Legacy binary documents (compound file): streams, importer, tests.
target_sources(vyx_import PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXDOCSprm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXDOCStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCObjects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCParas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCStory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadDOCStyles.cpp
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

# `vyx convert` reads .doc through the table of formats: text out, and refusals with
# their message, an error exit and no output file.
if(VYX_TESTS)
  set(doc_corpus ${VYX_SHARED_DIR}/corpus/doc)
  set(doc_out ${CMAKE_CURRENT_BINARY_DIR}/doc-cli)
  add_test(NAME doc.vyx_convert_text COMMAND ${VYX_SKIP_UNLESS} ${doc_corpus}/poi-simple-table.doc sh -c
    "mkdir -p '${doc_out}' && $<TARGET_FILE:vyx_tool> convert '${doc_corpus}/poi-simple-table.doc' '${doc_out}/table.txt' && cat '${doc_out}/table.txt'")
  set_tests_properties(doc.vyx_convert_text PROPERTIES LABELS doc SKIP_RETURN_CODE ${VYX_SKIP_CODE}
    PASS_REGULAR_EXPRESSION "Cell 1,1\tCell 1,2\tCell 1,3")
  set(doc_locked ${doc_corpus}/msoffcrypto-rc4cryptoapi_password.doc)
  add_test(NAME doc.vyx_convert_refused COMMAND ${VYX_SKIP_UNLESS} ${doc_locked} sh -c
    "rm -f '${doc_out}/locked.txt'; $<TARGET_FILE:vyx_tool> convert '${doc_locked}' '${doc_out}/locked.txt'; echo exit=$?; test -e '${doc_out}/locked.txt' && echo output-left")
  set_tests_properties(doc.vyx_convert_refused PROPERTIES LABELS doc SKIP_RETURN_CODE ${VYX_SKIP_CODE}
    PASS_REGULAR_EXPRESSION "Document is encrypted.\nexit=[1-9][0-9]*\n$")
endif()
