# RTF: the reader and writer of Rich Text Format, in vyx_documents.
target_sources(vyx_documents PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadRTF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteRTF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXRtfClipboard.cpp
)

vyx_tests(vyx_rtf_tests LABEL rtf DEPS vyx_documents SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXReadRTFTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXWriteRTFTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXRtfClipboardTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXRtfTestUtil.cpp
)
