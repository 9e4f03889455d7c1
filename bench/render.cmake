# bench/render.cmake: `vyx render` of a 100-page document, as a whole and step by step
# (read, lay out, paint, encode), without the process start and the file writes.
if(TARGET vyx_device)
  vyx_benchmark(vyx_render_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/RenderBench.cpp
                DEPS vyx_layout vyx_device vyx_documents)
endif()
