# Undo over documents the readers build (RTF and DOCX files of the shared corpus). The
# test belongs to editing but needs the readers, so it is made where they are.
vyx_tests(vyx_undo_file_tests LABEL editing DEPS vyx_documents SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../editing/tests/VYXUndoFileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../editing/tests/VYXUndoFieldsFileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../editing/tests/VYXUndoFileLoad.cpp
)
