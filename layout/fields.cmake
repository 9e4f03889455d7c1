# Page-number fields in headers and footers, through the DOCX reader and the painter.
vyx_tests(vyx_fields_tests LABEL fields DEPS vyx_layout vyx_device vyx_documents SOURCES
  tests/VYXPageFieldsTest.cpp
)
