# device.cmake: measuring speed of the Linux drawing device and the preset shape interpreter.
if(TARGET vyx_device)
  vyx_benchmark(vyx_device_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/VYXDeviceBench.cpp DEPS vyx_device)
endif()
