# bench/paint.cmake: painting a dense A4 page into the raster device; hit tests on 300 pages.
# The work of `vyx render` on 100 pages is in vyx_render_bench (bench/render.cmake); the
# whole process, start and file writes included, is timed from outside:
#   python3 bench/make_paint_doc.py /tmp/hundred.rtf && perf stat -r 5 build/tools/vyx render /tmp/hundred.rtf --out DIR
if(TARGET vyx_device)
  vyx_benchmark(vyx_paint_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/PaintBench.cpp DEPS vyx_layout vyx_device)
endif()
