# layout/paint.cmake: hit areas and painting (rows, pages, the desk), tested with real fonts.
target_sources(vyx_layout PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VYXHitAreas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXTableExtents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXTextPrint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXTextRender.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VYXPaintDoc.cpp
)

vyx_tests(vyx_paint_tests LABEL paint DEPS vyx_layout vyx_device SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXHitAreasTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXPaintTest.cpp
)

# Hit areas and form-field room on pages of real documents (so with the readers).
vyx_tests(vyx_page_areas_tests LABEL paint DEPS vyx_layout vyx_device vyx_documents SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/VYXTableAreasTest.cpp
)
