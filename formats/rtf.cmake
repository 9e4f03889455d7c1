# RTF: the reader and writer of Rich Text Format, in vyx_documents.
target_sources(vyx_documents PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadRTF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadRTFDestinations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadRTFObjects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadRTFParas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadRTFProps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadRTFTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteRTF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXRtfClipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXRtfShapes.cpp
)

vyx_tests(vyx_rtf_tests LABEL rtf DEPS vyx_documents SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXReadRTFTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXWriteRTFTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXRtfClipboardTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXRtfFidelityTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXRtfShapesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXRtfTestUtil.cpp
)

# `vyx convert` in and out of RTF: .rtf -> .txt, .txt -> .rtf -> .txt gives the text
# back, and .rtf -> .rtf reads again to the same text.
if(VYX_TESTS)
  set(vyx $<TARGET_FILE:vyx_tool>)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/rtf-cli)
  set(sample ${VYX_SHARED_DIR}/corpus/rtf/tika-testRTFVarious.rtf)
  add_test(NAME rtf.vyx_convert_rtf_txt COMMAND ${VYX_SKIP_UNLESS} ${sample} sh -c
    "mkdir -p '${out}' && ${vyx} convert '${sample}' '${out}/various.txt' && grep -q 'Suddenly some Japanese text' '${out}/various.txt'")
  add_test(NAME rtf.vyx_convert_rtf_rtf COMMAND ${VYX_SKIP_UNLESS} ${sample} sh -c
    "mkdir -p '${out}' && ${vyx} convert '${sample}' '${out}/various.rtf' && ${vyx} convert '${out}/various.rtf' '${out}/various2.txt' && ${vyx} convert '${sample}' '${out}/various1.txt' && cmp '${out}/various1.txt' '${out}/various2.txt'")
  add_test(NAME rtf.vyx_convert_txt_rtf COMMAND sh -c
    "mkdir -p '${out}' && printf 'one {two}\\\\three\\n\\tcaf\\303\\251 \\342\\202\\254\\n' > '${out}/in.txt' && ${vyx} convert '${out}/in.txt' '${out}/in.rtf' && ${vyx} convert '${out}/in.rtf' '${out}/back.txt' && cmp '${out}/in.txt' '${out}/back.txt'")
  set_tests_properties(rtf.vyx_convert_rtf_txt rtf.vyx_convert_rtf_rtf rtf.vyx_convert_txt_rtf PROPERTIES
    LABELS rtf SKIP_RETURN_CODE ${VYX_SKIP_CODE})
endif()

# Copy and paste between two editors on the headless host, through the clipboard's RTF.
vyx_tests(vyx_rtf_editor_tests LABEL rtf DEPS vyx_host SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXRtfEditorsTest.cpp
)
