# layout/repaint.cmake: edit, relayout and repaint real documents; painting must follow every edit.
vyx_tests(vyx_repaint_tests LABEL repaint DEPS vyx_layout vyx_device vyx_documents SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXRepaintAfterEditTest.cpp
)
