# editor.cmake: the editor facade (vyx_editor) and file loading and saving through it
# (vyx_files). Both sit above layout and the readers, which is why they are libraries
# of their own rather than part of vyx_editing.
vyx_library(vyx_editor DEPS vyx_editing vyx_layout vyx_spell vyx_model vyx_platform SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/VYXEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXEditorView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXEditorGraphics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXMacros.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXMouseResponders.cpp
)

vyx_tests(vyx_editor_tests LABEL facade DEPS vyx_editor vyx_device SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXEditorTest.cpp
)

vyx_library(vyx_files DEPS vyx_editor vyx_documents vyx_import vyx_pdf SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/VYXEditorFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXFileFormats.cpp
)

vyx_tests(vyx_files_tests LABEL facade DEPS vyx_files vyx_device SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXEditorFilesTest.cpp
)
