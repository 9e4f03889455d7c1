# HTML with CSS: the tolerant tree, style sheets, the reader and the writer.
target_sources(vyx_documents PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXHtmlDOM.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXCSSParse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadHTML.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadHTMLElements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXReadHTMLTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXWriteHTML.cpp
)

vyx_tests(vyx_html_tests LABEL html DEPS vyx_documents SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXHtmlDOMTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXCSSParseTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXReadHTMLTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXReadHTMLStyleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXWriteHTMLTest.cpp
)
