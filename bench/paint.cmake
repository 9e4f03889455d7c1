# bench/paint.cmake: painting a dense A4 page into the raster device; hit tests on 300 pages.
# The whole-process figure (`vyx render` of 100 pages) is timed from outside:
#   python3 bench/make_paint_doc.py /tmp/hundred.rtf && farm-bench -- build/tools/vyx render /tmp/hundred.rtf --out DIR
if(TARGET vyx_device)
  vyx_benchmark(vyx_paint_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/PaintBench.cpp DEPS vyx_layout vyx_device)
endif()
